#include "platform/posix/TempFile.h"

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

/// True for a name that TempFile::createBeside makes: the mark and six characters, after a
/// dot and the target's name in what earlier versions made.
bool isTemporaryName(std::string_view name)
{
    const auto mark = name.rfind(kTemporaryMark);
    return name.size() > 1 && name[0] == '.' && mark != std::string_view::npos && (mark == 0 || mark > 1)
        && name.size() - mark - kTemporaryMark.size() == 6;
}

} // namespace

TempFile::TempFile(TempFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path))
{
}

TempFile& TempFile::operator=(TempFile&& other) noexcept
{
    if (this != &other) {
        discard();
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

TempFile::~TempFile()
{
    discard();
}

TempFile TempFile::createBeside(const std::string& target)
{
    // A short name of fixed length, so that a target of the longest name has one too.
    std::string text = target.substr(0, lastComponentStart(target)) + std::string(kTemporaryMark) + "XXXXXX";
    std::vector<char> pattern(text.begin(), text.end());
    pattern.push_back('\0');
    TempFile temp;
    temp.m_fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (temp.m_fd >= 0) {
        temp.m_path = pattern.data();
        // Held until the file is closed, also by a program that is killed.
        (void)flock(temp.m_fd, LOCK_EX | LOCK_NB);
    }
    return temp;
}

void removeLeftoverTemporaries(const std::string& folder)
{
    DirectoryReader dir(folder);
    while (const dirent64* entry = dir.next()) {
        if (!isTemporaryName(entry->d_name))
            continue;
        const std::string path = folder + entry->d_name;
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat info {};
        // A file whose lock nobody holds any more was left by a program that ended midway.
        if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0)
            unlink(path.c_str());
        close(fd);
    }
}

bool TempFile::write(const std::string& bytes)
{
    return writeAll(m_fd, bytes.data(), bytes.size());
}

bool TempFile::copyFrom(int sourceFd)
{
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(sourceFd, buffer.data(), buffer.size());
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (!write(std::string(buffer.data(), static_cast<std::size_t>(n))))
            return false;
    }
}

bool TempFile::sync()
{
    return fsync(m_fd) == 0;
}

bool TempFile::renameTo(const std::string& target)
{
    if (std::rename(m_path.c_str(), target.c_str()) != 0)
        return false;
    close(std::exchange(m_fd, -1));
    m_path.clear();
    return true;
}

bool TempFile::placeAt(const std::string& target)
{
    // Asked again: a copy across file systems takes long enough for a namesake to turn up.
    if (findIgnoringCase(target) || !renameWithoutReplacing(m_path, target))
        return false;
    close(std::exchange(m_fd, -1));
    m_path.clear();
    return true;
}

void TempFile::keepMode(mode_t mode)
{
    // FAT and exFAT keep no permission bits; the content matters, not the bits.
    (void)fchmod(m_fd, mode & 07777);
}

void TempFile::discard()
{
    const int savedErrno = errno;
    if (m_fd >= 0)
        close(std::exchange(m_fd, -1));
    if (!m_path.empty())
        unlink(m_path.c_str());
    m_path.clear();
    errno = savedErrno;
}

} // namespace platform
