#include "platform/win32/Win32Error.h"

#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace platform {

std::string lastErrorMessage()
{
    const DWORD error = GetLastError();
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = length ? utf8FromWide(std::wstring_view(buffer, length)) : "Error " + std::to_string(error);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

} // namespace platform
