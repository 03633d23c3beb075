#include "platform/ProgramFolder.h"

#include "platform/PathSeparator.h"

#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace platform {

std::string programFolder()
{
    // A buffer that grows until the whole path fits: the program may lie deeper than 260 characters.
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) >= path.size())
        path.resize(path.size() * 2);
    const std::string file = utf8FromWide(std::wstring_view(path.data(), length));
    const auto start = lastComponentStart(file);
    return start == 0 ? std::string(".") : file.substr(0, start - 1);
}

} // namespace platform
