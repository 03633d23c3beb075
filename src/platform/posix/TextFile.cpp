#include "platform/TextFile.h"

#include "platform/Errors.h"
#include "platform/posix/TempFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::string readWholeFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileOpenError(path, systemMessage(errno));
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        close(fd);
        throw FileOpenError(path, systemMessage(EISDIR));
    }
    std::string bytes;
    char buffer[1 << 15];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            close(fd);
            throw FileOpenError(path, systemMessage(error));
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return bytes;
}

void saveFileAtomically(const std::string& path, const std::string& bytes)
{
    struct stat old {};
    const bool exists = stat(path.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        throw FileCreateError(path, systemMessage(EISDIR));
    // A file marked read-only stays untouched, as Windows refuses to replace it.
    if (exists && (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        throw FileCreateError(path, systemMessage(EACCES));

    TempFile temp = TempFile::createBeside(path);
    const mode_t mode = exists ? (old.st_mode & 07777) : 0644;
    if (!temp.valid() || !temp.write(bytes) || fchmod(temp.fd(), mode) != 0 || !temp.sync()
        || !temp.renameTo(path)) {
        const int error = errno;
        temp.discard();
        throw FileCreateError(path, systemMessage(error));
    }
}

} // namespace platform
