#include "platform/posix/PosixFiles.h"

#include "platform/PathSeparator.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

int openForReading(const std::string& path)
{
    return open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

void syncFolderOf(const std::string& path)
{
    const std::string folder = path.substr(0, lastComponentStart(path));
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)fsync(fd);
        close(fd);
    }
}

bool writeAll(int fd, const void* bytes, std::size_t size)
{
    const char* at = static_cast<const char*>(bytes);
    while (size > 0) {
        const ssize_t n = ::write(fd, at, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool isMarkedReadOnly(const struct stat& info)
{
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool renameWithoutReplacing(const std::string& from, const std::string& to)
{
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return false;
    // No no-replace rename here; a hard link never replaces either.
    if (link(from.c_str(), to.c_str()) == 0) {
        unlink(from.c_str());
        return true;
    }
    if (errno == EEXIST)
        return false;
    // No hard links either (FAT, exFAT, many shares): ask, then rename. Nothing is put under the
    // name before the file itself arrives, so a program killed at any moment leaves the file
    // whole at one of its two names and never an empty stand-in at the other.
    struct stat existing {};
    if (lstat(to.c_str(), &existing) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

mode_t modeOfNew(mode_t requested)
{
    // The umask can only be read by setting it: set back at once (the program has one thread).
    const mode_t mask = umask(022);
    umask(mask);
    return requested & ~mask;
}

} // namespace platform
