#include "catalogue/PathList.h"

#include <stdexcept>

void PathList::takeOver(std::vector<std::string>& paths, std::size_t count)
{
    std::size_t total = 0;
    for (std::size_t i = 0; i < count; ++i)
        total += paths[i].size();
    if (total > UINT32_MAX)
        throw std::length_error("too many paths");
    std::string bytes;
    bytes.reserve(total);
    std::vector<std::uint32_t> ends;
    ends.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes += paths[i];
        std::string().swap(paths[i]);
        ends.push_back(static_cast<std::uint32_t>(bytes.size()));
    }
    m_bytes = std::move(bytes);
    m_ends = std::move(ends);
}

void PathList::clear()
{
    std::string().swap(m_bytes); // gives the memory back, not only the content
    std::vector<std::uint32_t>().swap(m_ends);
}

std::vector<std::string> PathList::toStrings() const
{
    std::vector<std::string> strings;
    strings.reserve(size());
    for (std::size_t i = 0; i < size(); ++i)
        strings.emplace_back((*this)[i]);
    return strings;
}
