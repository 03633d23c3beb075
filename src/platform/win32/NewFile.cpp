#include "platform/NewFile.h"

#include "platform/win32/Win32Files.h"

#include <windows.h>
#include <winioctl.h>

namespace platform {

namespace {

/// Marks a file with a hole sparse where the file system can, so that it stores no zeros for it.
void markSparse(HANDLE file)
{
    DWORD returned = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
}

} // namespace

NewFile::NewFile(const std::string& path)
{
    const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        m_handle = reinterpret_cast<std::intptr_t>(file);
}

NewFile::~NewFile()
{
    close(m_length);
}

bool NewFile::writeAt(std::uint64_t offset, const void* bytes, std::size_t size)
{
    const HANDLE file = reinterpret_cast<HANDLE>(m_handle);
    if (offset != m_length) {
        markSparse(file);
        LARGE_INTEGER at;
        at.QuadPart = static_cast<LONGLONG>(offset);
        if (!SetFilePointerEx(file, at, nullptr, FILE_BEGIN))
            return false;
    }
    if (!writeAll(file, bytes, size))
        return false;
    m_length = offset + size;
    return true;
}

bool NewFile::close(std::uint64_t length)
{
    if (m_handle == -1)
        return true;
    const HANDLE file = reinterpret_cast<HANDLE>(m_handle);
    bool closed = true;
    if (length != m_length) {
        markSparse(file);
        LARGE_INTEGER at;
        at.QuadPart = static_cast<LONGLONG>(length);
        closed = SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    }
    closed = CloseHandle(file) && closed;
    m_handle = -1;
    return closed;
}

} // namespace platform
