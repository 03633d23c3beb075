#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

/// A temporary file in the folder of a target file, for writes that must appear at the target
/// whole or not at all. It is removed on destruction unless renamed into place. Its name is short
/// and of fixed length (".vsmtmp-XXXXXX" on Linux, "~vsm" and eight hexadecimal digits ".tmp" on
/// Windows), so a target of the longest name has one too, and ends in no map file's extension,
/// so no list shows it. While it is open, a leftover of a killed program can be told from one
/// that another running program is still writing (Linux: a lock; Windows: shared with nobody).
class TempFile {
public:
    TempFile() = default;
    TempFile(TempFile&& other) noexcept;
    TempFile& operator=(TempFile&& other) noexcept;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile();

    /// Creates a new empty temporary file beside `target`; invalid on failure (the system's
    /// error set).
    static TempFile createBeside(const std::string& target);
    /// True for a name that createBeside makes (or made in earlier versions).
    static bool isTemporaryName(std::string_view name);

    bool valid() const { return m_handle != -1; }

    bool write(const std::string& bytes);
    /// Writes the bytes of the file `source` (a file, never a pipe or a device, which could
    /// block) and takes on what a copy keeps of it: its permission bits on Linux, its last-write
    /// time on Windows. False when it cannot be read or written.
    bool copyFrom(const std::string& source);
    /// Takes on the permission bits of the file at `path`, or those of a new file where there is
    /// none (Linux; Windows keeps none).
    void keepPermissionsOf(const std::string& path);
    /// Flushes the content to disk.
    bool sync();
    /// Renames the file over `target`, replacing it; the temporary name is then gone.
    bool renameTo(const std::string& target);
    /// Renames the file to `target`, failing when a file of that name exists (on a file system
    /// that compares names without case, in any case): the caller looks for namesakes first.
    bool placeAt(const std::string& target);
    /// Closes and removes the temporary file, keeping the system's error as it was.
    void discard();

private:
    /// Closes the file, keeping its name.
    void close();

    std::intptr_t m_handle = -1;
    std::string m_path;
};

} // namespace platform
