#include "platform/win32/Win32Error.h"

#include <windows.h>

namespace platform {

std::string lastErrorMessage()
{
    const DWORD error = GetLastError();
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length ? std::string(buffer, length) : "Error " + std::to_string(error);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string temporaryFileBeside(const std::string& target)
{
    const auto cut = target.find_last_of("\\/:");
    const std::string folder = cut == std::string::npos ? std::string(".") : target.substr(0, cut + 1);
    char path[MAX_PATH];
    if (GetTempFileNameA(folder.c_str(), "vsm", 0, path) == 0)
        return {};
    return path;
}

} // namespace platform
