#include "platform/TempFile.h"

#include <utility>

namespace platform {

TempFile::TempFile(TempFile&& other) noexcept
    : m_handle(std::exchange(other.m_handle, -1)), m_path(std::move(other.m_path))
{
}

TempFile& TempFile::operator=(TempFile&& other) noexcept
{
    if (this != &other) {
        discard();
        m_handle = std::exchange(other.m_handle, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

TempFile::~TempFile()
{
    discard();
}

} // namespace platform
