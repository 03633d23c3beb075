#include "platform/NewFile.h"

#include "platform/posix/PosixFiles.h"

#include <fcntl.h>
#include <unistd.h>

namespace platform {

NewFile::NewFile(const std::string& path)
    : m_handle(open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666))
{
}

NewFile::~NewFile()
{
    close(m_length);
}

bool NewFile::writeAt(std::uint64_t offset, const void* bytes, std::size_t size)
{
    // A piece past the end leaves a hole: the file system stores no zeros for it.
    if (offset != m_length && lseek(static_cast<int>(m_handle), static_cast<off_t>(offset), SEEK_SET) < 0)
        return false;
    if (!writeAll(static_cast<int>(m_handle), bytes, size))
        return false;
    m_length = offset + size;
    return true;
}

bool NewFile::close(std::uint64_t length)
{
    if (m_handle == -1)
        return true;
    const int fd = static_cast<int>(m_handle);
    bool closed = length == m_length || ftruncate(fd, static_cast<off_t>(length)) == 0;
    closed = ::close(fd) == 0 && closed;
    m_handle = -1;
    return closed;
}

} // namespace platform
