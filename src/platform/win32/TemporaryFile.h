#pragma once

#include <string>

#include <windows.h>

namespace platform {

/// A new file with a unique name in the folder of a target file, open for writing and shared
/// with nobody, for writes that must appear at the target whole or not at all. Its name
/// ("~vsm" and eight hexadecimal digits, ".tmp") ends in no map file's extension, so no list
/// shows it; while it is open, no other program can delete it.
struct TemporaryFile {
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::string path;
    bool valid() const { return handle != INVALID_HANDLE_VALUE; }
};

/// Creates one beside `target`; invalid (last error set) on failure.
TemporaryFile createTemporaryBeside(const std::string& target);

/// Copies the bytes and the last-write time of `from` into a new temporary file beside `to`
/// and flushes it to disk; its path, closed, or empty on failure (nothing left behind).
std::string copyToTemporary(const std::string& from, const std::string& to);

} // namespace platform
