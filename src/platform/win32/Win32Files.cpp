#include "platform/win32/Win32Files.h"

namespace platform {

bool writeAll(HANDLE file, const void* bytes, std::size_t size)
{
    const char* at = static_cast<const char*>(bytes);
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, at, chunk, &written, nullptr) || written == 0)
            return false;
        at += written;
        size -= written;
    }
    return true;
}

} // namespace platform
