#include "platform/posix/TempFile.h"

#include "platform/FileSystem.h"
#include "platform/posix/PosixFiles.h"

#include <cerrno>
#include <cstdio>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <stdlib.h>
#include <unistd.h>

namespace platform {

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
    const auto cut = target.rfind('/');
    const std::string folder = cut == std::string::npos ? std::string() : target.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? target : target.substr(cut + 1);
    std::vector<char> pattern;
    const std::string text = folder + "." + name + ".vsmtmp-XXXXXX";
    pattern.assign(text.begin(), text.end());
    pattern.push_back('\0');
    TempFile temp;
    temp.m_fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (temp.m_fd >= 0)
        temp.m_path = pattern.data();
    return temp;
}

bool TempFile::write(const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
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
