#pragma once

#include <cstddef>
#include <iterator>

namespace platform {

/// A forward iterator over a container that hands out its elements by index, as values made
/// when asked (views into the container's own storage).
template <class Container, class Value>
class IndexIterator {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Value;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Value;

    IndexIterator() = default;
    IndexIterator(const Container* container, std::size_t index) : m_container(container), m_index(index) {}
    Value operator*() const { return (*m_container)[m_index]; }
    IndexIterator& operator++() { return ++m_index, *this; }
    IndexIterator operator++(int)
    {
        const IndexIterator before = *this;
        ++m_index;
        return before;
    }
    friend bool operator==(const IndexIterator&, const IndexIterator&) = default;

private:
    const Container* m_container = nullptr;
    std::size_t m_index = 0;
};

} // namespace platform
