#pragma once

#include <cstddef>
#include <string>

#include <sys/stat.h>

/// File primitives shared by the POSIX services, each behaving as Windows does.
namespace platform {

/// Opens `path` for reading without ever waiting: a named pipe or a device named like a
/// map opens at once instead of blocking the window. -1 (errno set) on failure.
int openForReading(const std::string& path);

/// Writes all `size` bytes to `fd`, going on after interruptions; false when a write fails.
bool writeAll(int fd, const void* bytes, std::size_t size);

/// Flushes the entries of the folder that holds `path` to disk (a rename into it included).
void syncFolderOf(const std::string& path);

/// The permission bits a new file or folder gets when `requested` is asked for: less what the
/// user's umask takes away, as the system makes them.
mode_t modeOfNew(mode_t requested);

/// True when a file has no write permission for anyone: Windows' read-only attribute.
bool isMarkedReadOnly(const struct stat& info);

/// Renames `from` to `to` without replacing a file of that name: a no-replace rename, else a
/// hard link. Where the file system has neither (FAT, exFAT, many network shares), the name is
/// looked up just before a plain rename; those file systems compare names without case, so the
/// look-up finds a namesake in any case. False with errno set (EEXIST, EXDEV, ...) on failure.
bool renameWithoutReplacing(const std::string& from, const std::string& to);

/// What a directory entry is: a folder (a link to a folder counts as one) and whether it is
/// a link. `type` is the entry type the directory reports; where the file system reports
/// none (DT_UNKNOWN), the entry itself is asked.
struct EntryKind {
    bool isFolder = false;
    bool isLink = false;
    friend bool operator==(const EntryKind&, const EntryKind&) = default;
};
EntryKind entryKind(const std::string& folder, const char* name, unsigned char type);

} // namespace platform
