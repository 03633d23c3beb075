#include "platform/FileTransfer.h"

#include "platform/FileSystem.h"
#include "platform/posix/PosixFiles.h"
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
    const int in = openForReading(from);
    if (in < 0)
        return {};
    struct stat info {};
    TempFile temp;
    // Only regular files: reading a pipe or a device would wait or never end.
    if (fstat(in, &info) == 0 && S_ISREG(info.st_mode)) {
        temp = TempFile::createBeside(to);
        if (temp.valid() && temp.copyFrom(in))
            temp.keepMode(info.st_mode);
        else
            temp.discard();
    }
    close(in);
    return temp;
}

} // namespace

bool moveFile(const std::string& from, const std::string& to)
{
    if (renameWithoutReplacing(from, to))
        return true;
    if (errno != EXDEV)
        return false;
    // Another file system: copy completely, put it in place without replacing, then
    // delete the source.
    TempFile temp = copyToTemporary(from, to);
    if (!temp.valid() || !temp.sync() || !temp.placeAt(to)) {
        temp.discard();
        return false;
    }
    unlink(from.c_str());
    return true;
}

bool copyFile(const std::string& from, const std::string& to)
{
    // The destination keeps the name it has, whatever its case; a read-only one is refused.
    const std::string target = findIgnoringCase(to).value_or(to);
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0 && isMarkedReadOnly(existing))
        return false;
    TempFile temp = copyToTemporary(from, target);
    if (!temp.valid() || !temp.sync() || !temp.renameTo(target)) {
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
