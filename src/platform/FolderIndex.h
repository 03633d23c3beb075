#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform {

/// The key under which this system's look-ups without regard to case take names as one: on
/// Windows the name upper-cased as its file systems compare names (any script), elsewhere its
/// ASCII letters upper-cased, as findAllIgnoringCase compares there.
std::string caseKeyOf(std::string_view name);

/// The names in one folder, by their case keys: every spelling of each. What a watcher keeps of
/// a folder so that look-ups without regard to case read nothing, answering as the disk would.
class FolderIndex {
public:
    void add(const std::string& name) { m_names[caseKeyOf(name)].insert(name); }
    void remove(const std::string& name)
    {
        const auto found = m_names.find(caseKeyOf(name));
        if (found != m_names.end() && found->second.erase(name) && found->second.empty())
            m_names.erase(found);
    }
    /// The name of `name` here whatever its case, an exact match preferred.
    std::optional<std::string> find(const std::string& name) const
    {
        const auto spellings = m_names.find(caseKeyOf(name));
        if (spellings == m_names.end())
            return std::nullopt;
        return spellings->second.count(name) ? name : *spellings->second.begin();
    }
    /// `find` of each of `names`, in their order.
    std::vector<std::optional<std::string>> findAll(const std::vector<std::string>& names) const
    {
        std::vector<std::optional<std::string>> found;
        found.reserve(names.size());
        for (const std::string& name : names)
            found.push_back(find(name));
        return found;
    }

private:
    std::unordered_map<std::string, std::set<std::string>> m_names;
};

} // namespace platform
