#include "catalogue/StringArray.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

StringArray::StringArray(std::initializer_list<std::string_view> strings)
{
    resize(strings.size());
    std::size_t index = 0;
    for (std::string_view string : strings)
        set(index++, string);
}

void StringArray::resize(std::size_t count)
{
    if (count == 0) {
        clear();
        return;
    }
    m_spans.resize(count);
}

void StringArray::clear()
{
    std::string().swap(m_bytes); // gives the memory back, not only the content
    std::vector<Span>().swap(m_spans);
}

void StringArray::set(std::size_t index, std::string_view head, std::string_view tail)
{
    // Positions are 32 bits wide: four gigabytes of paths in one list are far beyond any folder.
    const std::size_t length = head.size() + tail.size();
    if (length > std::numeric_limits<std::uint32_t>::max() - m_bytes.size())
        throw std::length_error("string array too large");
    Span& span = m_spans.at(index);
    span = {static_cast<std::uint32_t>(m_bytes.size()), static_cast<std::uint32_t>(length)};
    m_bytes.append(head).append(tail);
}

void StringArray::insert(std::size_t index, std::string_view text)
{
    m_spans.insert(m_spans.begin() + static_cast<std::ptrdiff_t>(index), Span {});
    set(index, text);
}

void StringArray::erase(std::size_t index)
{
    m_spans.erase(m_spans.begin() + static_cast<std::ptrdiff_t>(index));
}

std::vector<std::string> StringArray::toStrings() const
{
    std::vector<std::string> strings;
    strings.reserve(size());
    for (std::string_view string : *this)
        strings.emplace_back(string);
    return strings;
}

bool operator==(const StringArray& a, const StringArray& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}
