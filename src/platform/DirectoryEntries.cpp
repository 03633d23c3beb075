#include "platform/DirectorySearch.h"

#include "platform/NameCompare.h"

#include <algorithm>
#include <cstring>
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
    // The order of listedBefore. The sort keys, the upper-cased names, made once and at the same positions as the names;
    // their first sixteen bytes as two numbers, so that most comparisons compare numbers: names
    // of one folder often share their first eight bytes ("DM-Map12", "CTF-Fort").
    std::string keys = m_names;
    for (char& c : keys)
        c = upperAscii(c);
    struct Key {
        std::uint64_t head[2];
        Stored entry;
    };
    std::vector<Key> sorted;
    sorted.reserve(m_entries.size());
    for (const Stored& entry : m_entries) {
        unsigned char bytes[16] = {};
        std::memcpy(bytes, keys.data() + entry.begin, std::min<std::uint32_t>(entry.length, sizeof bytes));
        std::uint64_t first = 0, second = 0;
        for (int i = 0; i < 8; ++i) {
            first = first << 8 | bytes[i];
            second = second << 8 | bytes[8 + i];
        }
        sorted.push_back({{first, second}, entry});
    }
    const auto view = [](const std::string& block, const Stored& entry) {
        return std::string_view(block).substr(entry.begin, entry.length);
    };
    std::sort(sorted.begin(), sorted.end(), [&](const Key& a, const Key& b) {
        if (a.head[0] != b.head[0])
            return a.head[0] < b.head[0];
        if (a.head[1] != b.head[1])
            return a.head[1] < b.head[1];
        if (const int order = view(keys, a.entry).compare(view(keys, b.entry)))
            return order < 0;
        return view(m_names, a.entry) < view(m_names, b.entry);
    });
    for (std::size_t i = 0; i < sorted.size(); ++i)
        m_entries[i] = sorted[i].entry;
}

} // namespace platform
