#include "platform/posix/PosixFiles.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

int openForReading(const std::string& path)
{
    return open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
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
    // No hard links either: take the name with an exclusive create, then rename over it.
    const int reservation = open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (reservation < 0)
        return false;
    close(reservation);
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return true;
    const int error = errno;
    unlink(to.c_str());
    errno = error;
    return false;
}

} // namespace platform
