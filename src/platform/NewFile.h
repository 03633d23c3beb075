#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

/// A file created new (never one that exists), written in pieces, in order; a piece may start
/// past the end, leaving a hole that reads as zeros (kept as a hole where the file system can).
class NewFile {
public:
    /// Creates the file `path`; `valid()` is false when it exists or cannot be made.
    explicit NewFile(const std::string& path);
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    bool valid() const { return m_handle != -1; }
    bool writeAt(std::uint64_t offset, const void* bytes, std::size_t size);
    bool write(const void* bytes, std::size_t size) { return writeAt(m_length, bytes, size); }
    /// Closes the file, `length` bytes long (a hole at its end where that is more than was
    /// written); false when the last of it could not be written.
    bool close(std::uint64_t length);
    bool close() { return close(m_length); }

private:
    std::intptr_t m_handle = -1;
    std::uint64_t m_length = 0;
};

} // namespace platform
