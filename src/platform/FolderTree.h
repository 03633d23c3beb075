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

/// A new folder with a unique name that starts with `prefix`, in `folder` (which ends in the
/// separator), hidden where the system hides folders; its path, or empty when none could be made.
std::string makeTemporaryFolder(const std::string& folder, std::string_view prefix);

/// Removes `path` with everything below it. Links are removed, never followed. Quiet.
void removeTree(const std::string& path);

/// Gives a folder made by makeTemporaryFolder the name `to`, unless something of that name
/// exists there in any case, and makes it an ordinary folder there, shown like any other.
/// False otherwise.
bool placeTemporaryFolder(const std::string& from, const std::string& to);

/// The bytes that the user may still write on the file system of `folder`; nothing when the
/// system does not tell.
std::optional<std::uint64_t> freeSpace(const std::string& folder);

/// True when `name` can be the name of a file or folder on this system (on Windows: none of
/// the characters it forbids, no closing dot or space, no device name such as "CON").
bool canHoldName(std::string_view name);

/// `utf8` as this system writes names (UTF-8 itself, the ANSI code page on Windows); nothing
/// when the system cannot write one of its characters.
std::optional<std::string> nameFromUtf8(std::string_view utf8);

/// While an object lives, the C library on this thread turns names into and out of UTF-8
/// whatever the program's locale (archive readers name entries through it).
class Utf8NameConversions {
public:
    Utf8NameConversions();
    ~Utf8NameConversions();
    Utf8NameConversions(const Utf8NameConversions&) = delete;
    Utf8NameConversions& operator=(const Utf8NameConversions&) = delete;

private:
    void* m_previous = nullptr;
    void* m_utf8 = nullptr;
};

/// A file created new (never one that exists), written in pieces.
class NewFile {
public:
    /// Creates the file `path`; `valid()` is false when it exists or cannot be made.
    explicit NewFile(const std::string& path);
    ~NewFile();
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    bool valid() const { return m_handle != -1; }
    bool write(const void* bytes, std::size_t size);
    /// Closes the file; false when the last of it could not be written.
    bool close();

private:
    std::intptr_t m_handle = -1;
};

} // namespace platform
