#include "platform/posix/DirectoryReader.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

DirectoryReader::DirectoryReader(const std::string& folder)
    : m_fd(open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
}

DirectoryReader::~DirectoryReader()
{
    if (m_fd >= 0)
        close(m_fd);
}

const dirent64* DirectoryReader::next()
{
    if (m_fd < 0)
        return nullptr;
    if (m_at >= m_size) {
        do
            m_size = static_cast<long>(getdents64(m_fd, m_block, sizeof m_block));
        while (m_size < 0 && errno == EINTR);
        m_at = 0;
        if (m_size <= 0)
            return nullptr;
    }
    const auto* entry = reinterpret_cast<const dirent64*>(m_block + m_at);
    m_at += entry->d_reclen;
    return entry;
}

} // namespace platform
