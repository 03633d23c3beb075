#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// The full paths of one map list in the order found, kept compactly: all their bytes in one
/// block and one end offset each, so that a rebuild makes two allocations, not one per map.
class PathList {
public:
    /// Replaces the content with the first `count` of `paths`, taking them over: each is
    /// emptied as soon as its bytes are in, so the paths are never held twice.
    void takeOver(std::vector<std::string>& paths, std::size_t count);
    void clear();

    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    /// Path `index`; valid until the next change of the list.
    std::string_view operator[](std::size_t index) const
    {
        const std::uint32_t begin = index == 0 ? 0 : m_ends[index - 1];
        return std::string_view(m_bytes).substr(begin, m_ends[index] - begin);
    }
    /// All paths, as strings.
    std::vector<std::string> toStrings() const;

private:
    std::string m_bytes;
    std::vector<std::uint32_t> m_ends;
};
