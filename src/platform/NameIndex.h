#pragma once

// Names kept by their key without regard to ASCII case, as the program compares map and file
// names: what the import, the unpacking and the runs over maps look names up in.

#include "platform/NameCompare.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace platform {

/// Values by name; a name may hold several, kept in the order they were added.
template <class Value>
class NameIndex {
public:
    void add(std::string_view name, Value value) { m_values[upperCasedAscii(std::string(name))].push_back(std::move(value)); }

    /// The values under `name`, whatever its case.
    const std::vector<Value>& valuesOf(std::string_view name) const
    {
        static const std::vector<Value> none;
        const auto found = m_values.find(upperCasedAscii(std::string(name)));
        return found == m_values.end() ? none : found->second;
    }

    /// The first value added under `name`, whatever its case; none where there is none.
    const Value* firstOf(std::string_view name) const
    {
        const std::vector<Value>& found = valuesOf(name);
        return found.empty() ? nullptr : &found.front();
    }

private:
    std::unordered_map<std::string, std::vector<Value>> m_values;
};

/// Names taken, whatever their case.
class NameSet {
public:
    /// Takes `name`; false where it was taken already, in any case.
    bool insert(std::string_view name) { return m_keys.insert(upperCasedAscii(std::string(name))).second; }

private:
    std::unordered_set<std::string> m_keys;
};

} // namespace platform
