#pragma once

#include <string>

#include <sys/types.h>

namespace platform {

/// A temporary file in the folder of a target file, for writes that must appear at the
/// target whole or not at all. It is removed on destruction unless renamed into place.
/// Its name (".vsmtmp-XXXXXX") ends in no map file's extension, so no list
/// shows it; it is locked while open, so that a leftover of a killed program can be told
/// from one that another running program is still writing.
class TempFile {
public:
    TempFile() = default;
    TempFile(TempFile&& other) noexcept;
    TempFile& operator=(TempFile&& other) noexcept;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile();

    /// Creates a new empty temporary file beside `target`; invalid on failure (errno set).
    static TempFile createBeside(const std::string& target);

    bool valid() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    bool write(const std::string& bytes);
    bool copyFrom(int sourceFd);
    /// Flushes the content to disk.
    bool sync();
    /// Renames the file over `target`, replacing it; the temporary name is then gone.
    bool renameTo(const std::string& target);
    /// Renames the file to `target`, failing when a file of that name exists (whatever its case).
    bool placeAt(const std::string& target);
    /// Gives the file the permission bits of `mode` where the file system keeps them.
    void keepMode(mode_t mode);
    /// Closes and removes the temporary file, keeping errno as it was.
    void discard();

private:
    int m_fd = -1;
    std::string m_path;
};

} // namespace platform
