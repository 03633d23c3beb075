#pragma once

#include "platform/IndexIterator.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

/// A dynamic array of strings kept compactly: the bytes of all entries in one block and a
/// position for each, so that a hundred thousand paths take two allocations, not one each.
/// Storing an entry appends its bytes to the block; the bytes an entry held before stay
/// unused in the block until the array is emptied (the finder only ever fills empty entries).
class StringArray {
public:
    StringArray() = default;
    StringArray(std::initializer_list<std::string_view> strings);

    std::size_t size() const { return m_spans.size(); }
    bool empty() const { return m_spans.empty(); }

    /// Lengthens the array with empty entries or shortens it to `count` entries.
    void resize(std::size_t count);
    /// Empties the array and gives its memory back.
    void clear();

    /// Entry `index`; valid until the next change of the array.
    std::string_view operator[](std::size_t index) const
    {
        const Span span = m_spans[index];
        return std::string_view(m_bytes).substr(span.begin, span.length);
    }
    /// Stores `head` followed by `tail` as entry `index` (which must exist).
    void set(std::size_t index, std::string_view head, std::string_view tail = {});
    /// A new entry `text` before entry `index` (at the end where `index` is the size).
    void insert(std::size_t index, std::string_view text);
    /// Removes entry `index`; the entries after it move up.
    void erase(std::size_t index);

    /// All entries as separate strings.
    std::vector<std::string> toStrings() const;

    using const_iterator = platform::IndexIterator<StringArray, std::string_view>;
    using iterator = const_iterator;
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

    friend bool operator==(const StringArray& a, const StringArray& b);

private:
    struct Span {
        std::uint32_t begin = 0;
        std::uint32_t length = 0;
    };
    std::string m_bytes;
    std::vector<Span> m_spans;
};
