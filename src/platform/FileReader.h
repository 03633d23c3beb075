#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

/// A file open for reading, read from start to end; never a pipe or a device.
class FileReader {
public:
    explicit FileReader(const std::string& path);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;

    bool valid() const { return m_handle != -1; }
    /// The file's size when it was opened.
    std::uint64_t size() const { return m_size; }
    /// Up to `size` bytes into `bytes`: how many, 0 at the end, -1 when reading failed.
    std::int64_t read(void* bytes, std::size_t size);

private:
    std::intptr_t m_handle = -1;
    std::uint64_t m_size = 0;
};

} // namespace platform
