#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// Folders as wholes, and files written new: what unpacking and copying a tree of maps needs.
namespace platform {

/// Creates the folder `path`; its parent must exist. False when it cannot, or something of that
/// name is there already.
bool makeFolder(const std::string& path);

/// Removes `path` with everything below it. Links are removed, never followed. Quiet.
void removeTree(const std::string& path);

/// A new hidden folder in which something is put together before it takes its place. While the
/// object lives, this program holds the folder: another running program that sweeps away what
/// a program ended midway left (`removeAbandonedFolder`) leaves it alone. Removed with all it
/// holds when the object goes, unless it was placed.
class TemporaryFolder {
public:
    /// Makes the folder in `folder` (which ends in the separator), its name `prefix` and a few
    /// characters, hidden where the system hides folders; `path()` is empty when it failed.
    TemporaryFolder(const std::string& folder, std::string_view prefix);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return m_path; }
    /// Gives the folder the name `to`, unless something of that name exists there in any case,
    /// and makes it an ordinary folder there, shown like any other. False otherwise.
    bool placeAt(const std::string& to);

private:
    std::string m_path;
    std::intptr_t m_hold = -1;
};

/// Removes `path`, a folder made by a TemporaryFolder, with all it holds, unless a running
/// program still holds it.
void removeAbandonedFolder(const std::string& path);

/// True when `name` can be the name of a file or folder on this system (on Windows: none of
/// the characters it forbids, no closing dot or space, no device name such as "CON" or
/// "NUL .txt").
bool canHoldName(std::string_view name);

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
