#include "platform/DirectorySearch.h"

#include "platform/NameCompare.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <vector>

namespace platform {

void DirectoryEntries::add(std::string_view name, bool isFolder, bool isLink)
{
    if (name.size() > std::numeric_limits<std::uint32_t>::max() - m_names.size())
        throw std::length_error("directory too large");
    m_entries.push_back({static_cast<std::uint32_t>(m_names.size()), static_cast<std::uint32_t>(name.size()), isFolder,
                         isLink});
    m_names.append(name);
}

void DirectoryEntries::sortAsWindowsLists()
{
    // The sort keys, the upper-cased names, made once and at the same positions as the names;
    // their first eight bytes as one number, so that most comparisons compare two numbers.
    std::string keys = m_names;
    for (char& c : keys)
        c = upperAscii(c);
    struct Key {
        std::uint64_t head;
        Stored entry;
    };
    std::vector<Key> sorted;
    sorted.reserve(m_entries.size());
    for (const Stored& entry : m_entries) {
        std::uint64_t head = 0;
        for (std::uint32_t i = 0; i < 8; ++i)
            head = head << 8 | (i < entry.length ? static_cast<unsigned char>(keys[entry.begin + i]) : 0u);
        sorted.push_back({head, entry});
    }
    const auto view = [](const std::string& block, const Stored& entry) {
        return std::string_view(block).substr(entry.begin, entry.length);
    };
    std::sort(sorted.begin(), sorted.end(), [&](const Key& a, const Key& b) {
        if (a.head != b.head)
            return a.head < b.head;
        if (const int order = view(keys, a.entry).compare(view(keys, b.entry)))
            return order < 0;
        return view(m_names, a.entry) < view(m_names, b.entry);
    });
    for (std::size_t i = 0; i < sorted.size(); ++i)
        m_entries[i] = sorted[i].entry;
}

} // namespace platform
