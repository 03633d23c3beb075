#include "platform/DirectorySearch.h"

#include "platform/NameCompare.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

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
    // The sort keys, the upper-cased names, made once and at the same positions as the names.
    std::string keys = m_names;
    for (char& c : keys)
        c = upperAscii(c);
    const auto view = [](const std::string& block, const Stored& entry) {
        return std::string_view(block).substr(entry.begin, entry.length);
    };
    std::sort(m_entries.begin(), m_entries.end(), [&](const Stored& a, const Stored& b) {
        const std::string_view keyA = view(keys, a), keyB = view(keys, b);
        return keyA != keyB ? keyA < keyB : view(m_names, a) < view(m_names, b);
    });
}

} // namespace platform
