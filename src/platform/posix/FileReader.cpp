#include "platform/FileReader.h"

#include "platform/posix/PosixFiles.h"

#include <sys/stat.h>
#include <unistd.h>

namespace platform {

FileReader::FileReader(const std::string& path)
{
    const int fd = openForReading(path);
    struct stat info {};
    if (fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        m_handle = fd;
        m_size = static_cast<std::uint64_t>(info.st_size);
    }
    else if (fd >= 0)
        close(fd);
}

FileReader::~FileReader()
{
    if (m_handle != -1)
        close(static_cast<int>(m_handle));
}

std::int64_t FileReader::read(void* bytes, std::size_t size)
{
    for (;;) {
        const ssize_t n = ::read(static_cast<int>(m_handle), bytes, size);
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

} // namespace platform
