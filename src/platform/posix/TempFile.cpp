#include "platform/TempFile.h"

#include "platform/FileSystem.h"
#include "platform/LeftoverSweep.h"
#include "platform/PathSeparator.h"
#include "platform/posix/DirectoryReader.h"
#include "platform/posix/PosixFiles.h"

#include <cerrno>
#include <cstdio>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <stdlib.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::string_view kTemporaryMark = ".vsmtmp-";

} // namespace

// The mark and six characters, after a dot and the target's name in what earlier versions made.
bool TempFile::isTemporaryName(std::string_view name)
{
    const auto mark = name.rfind(kTemporaryMark);
    return name.size() > 1 && name[0] == '.' && mark != std::string_view::npos && (mark == 0 || mark > 1)
        && name.size() - mark - kTemporaryMark.size() == 6;
}

TempFile TempFile::createBeside(const std::string& target)
{
    // A short name of fixed length, so that a target of the longest name has one too.
    std::string text = target.substr(0, lastComponentStart(target)) + std::string(kTemporaryMark) + "XXXXXX";
    std::vector<char> pattern(text.begin(), text.end());
    pattern.push_back('\0');
    TempFile temp;
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0) {
        temp.m_handle = fd;
        temp.m_path = pattern.data();
        // Held until the file is closed, also by a program that is killed.
        (void)flock(fd, LOCK_EX | LOCK_NB);
    }
    return temp;
}

void removeLeftoverTemporaries(const std::string& folder)
{
    DirectoryReader dir(folder);
    while (const dirent64* entry = dir.next()) {
        if (!TempFile::isTemporaryName(entry->d_name))
            continue;
        const std::string path = folder + entry->d_name;
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat info {};
        // A file whose lock nobody holds any more was left by a program that ended midway.
        if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0)
            unlink(path.c_str());
        ::close(fd);
    }
}

bool TempFile::write(const std::string& bytes)
{
    return writeAll(static_cast<int>(m_handle), bytes.data(), bytes.size());
}

bool TempFile::copyFrom(const std::string& source)
{
    const int in = openForReading(source);
    if (in < 0)
        return false;
    struct stat info {};
    // Only regular files: reading a pipe or a device would wait or never end.
    bool copied = fstat(in, &info) == 0 && S_ISREG(info.st_mode);
    std::vector<char> buffer(1 << 16);
    while (copied) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n == 0)
            break;
        if (n < 0 && errno == EINTR)
            continue;
        copied = n > 0 && writeAll(static_cast<int>(m_handle), buffer.data(), static_cast<std::size_t>(n));
    }
    ::close(in);
    // FAT and exFAT keep no permission bits; the content matters, not the bits.
    if (copied)
        (void)fchmod(static_cast<int>(m_handle), modeOfNew(info.st_mode & 0777));
    return copied;
}

void TempFile::keepPermissionsOf(const std::string& path)
{
    struct stat old {};
    (void)fchmod(static_cast<int>(m_handle), stat(path.c_str(), &old) == 0 ? old.st_mode & 07777 : modeOfNew(0666));
}

bool TempFile::sync()
{
    return fsync(static_cast<int>(m_handle)) == 0;
}

bool TempFile::renameTo(const std::string& target)
{
    if (std::rename(m_path.c_str(), target.c_str()) != 0)
        return false;
    close();
    m_path.clear();
    return true;
}

bool TempFile::placeAt(const std::string& target)
{
    if (!renameWithoutReplacing(m_path, target))
        return false;
    close();
    m_path.clear();
    return true;
}

void TempFile::close()
{
    if (m_handle != -1)
        ::close(static_cast<int>(std::exchange(m_handle, -1)));
}

void TempFile::discard()
{
    const int savedErrno = errno;
    close();
    if (!m_path.empty())
        unlink(m_path.c_str());
    m_path.clear();
    errno = savedErrno;
}

} // namespace platform
