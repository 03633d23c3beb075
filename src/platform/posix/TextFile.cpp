#include "platform/TextFile.h"

#include "platform/Errors.h"
#include "platform/TempFile.h"
#include "platform/posix/PosixFiles.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::string readWholeFile(const std::string& path)
{
    const int fd = openForReading(path);
    if (fd < 0)
        throw FileOpenError(path, systemMessage(errno));
    // A folder, pipe or device is no text file: reading it could wait forever.
    struct stat info {};
    if (fstat(fd, &info) == 0 && !S_ISREG(info.st_mode)) {
        close(fd);
        throw FileOpenError(path, systemMessage(S_ISDIR(info.st_mode) ? EISDIR : EINVAL));
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
    if (exists && isMarkedReadOnly(old))
        throw FileCreateError(path, systemMessage(EACCES));

    TempFile temp = TempFile::createBeside(path);
    if (temp.valid())
        temp.keepPermissionsOf(path);
    if (!temp.valid() || !temp.write(bytes) || !temp.sync() || !temp.renameTo(path)) {
        const int error = errno;
        temp.discard();
        throw FileCreateError(path, systemMessage(error));
    }
}

} // namespace platform
