#include "platform/FileTransfer.h"

#include "platform/posix/TempFile.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

/// Copies the bytes of `from` into a new temporary file beside `to`; returns it, still
/// open, or an empty TempFile on failure (then nothing is left behind).
TempFile copyToTemporary(const std::string& from, const std::string& to)
{
    const int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return {};
    struct stat info {};
    TempFile temp;
    if (fstat(in, &info) == 0 && !S_ISDIR(info.st_mode)) {
        temp = TempFile::createBeside(to);
        if (temp.valid() && !(temp.copyFrom(in) && fchmod(temp.fd(), info.st_mode & 07777) == 0))
            temp.discard();
    }
    close(in);
    return temp;
}

} // namespace

bool moveFile(const std::string& from, const std::string& to)
{
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EINVAL) {
        // The file system cannot rename without replacing: a hard link never replaces.
        if (link(from.c_str(), to.c_str()) != 0)
            return false;
        unlink(from.c_str());
        return true;
    }
    if (errno != EXDEV)
        return false;
    // Another file system: copy completely, put it in place without replacing, then
    // delete the source.
    TempFile temp = copyToTemporary(from, to);
    if (!temp.valid() || !temp.sync() || !temp.linkAs(to)) {
        temp.discard();
        return false;
    }
    temp.discard();
    unlink(from.c_str());
    return true;
}

bool copyFile(const std::string& from, const std::string& to)
{
    TempFile temp = copyToTemporary(from, to);
    if (!temp.valid() || !temp.sync() || !temp.renameTo(to)) {
        temp.discard();
        return false;
    }
    return true;
}

bool deleteFile(const std::string& path)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    return unlink(path.c_str()) == 0;
}

} // namespace platform
