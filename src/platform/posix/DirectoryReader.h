#pragma once

#include <string>

#include <dirent.h>

namespace platform {

/// The entries of one folder, read in large blocks: a folder of thousands of maps costs a few
/// system calls, and no copy of each entry as readdir makes it.
class DirectoryReader {
public:
    explicit DirectoryReader(const std::string& folder);
    ~DirectoryReader();
    DirectoryReader(const DirectoryReader&) = delete;
    DirectoryReader& operator=(const DirectoryReader&) = delete;

    /// False when the folder cannot be read.
    bool valid() const { return m_fd >= 0; }
    /// The next entry ("." and ".." too), or nullptr after the last one.
    const dirent64* next();

private:
    int m_fd;
    long m_size = 0;
    long m_at = 0;
    alignas(dirent64) char m_block[1 << 16];
};

} // namespace platform
