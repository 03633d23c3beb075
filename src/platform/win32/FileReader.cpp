#include "platform/FileReader.h"

#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace platform {

FileReader::FileReader(const std::string& path)
{
    const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER size;
    if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size)) {
        m_handle = reinterpret_cast<std::intptr_t>(file);
        m_size = static_cast<std::uint64_t>(size.QuadPart);
    } else {
        CloseHandle(file);
    }
}

FileReader::~FileReader()
{
    if (m_handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

std::int64_t FileReader::read(void* bytes, std::size_t size)
{
    DWORD got = 0;
    const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
    if (!ReadFile(reinterpret_cast<HANDLE>(m_handle), bytes, chunk, &got, nullptr))
        return -1;
    return got;
}

} // namespace platform
