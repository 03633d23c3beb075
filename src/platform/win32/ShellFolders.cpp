#include "platform/ShellFolders.h"

#include "platform/win32/Win32Files.h"

#include <windows.h>
#include <shlobj.h>

namespace platform {

namespace {

std::string specialFolder(int csidl)
{
    LPITEMIDLIST list = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, csidl, &list) != S_OK)
        return {};
    wchar_t path[MAX_PATH] = {};
    const bool converted = SHGetPathFromIDListW(list, path);
    CoTaskMemFree(list);
    return converted ? utf8FromWide(path) : std::string();
}

} // namespace

std::string documentsFolder()
{
    return specialFolder(CSIDL_PERSONAL);
}

std::string userSettingsFolder()
{
    const std::string appData = specialFolder(CSIDL_APPDATA);
    return appData.empty() ? std::string() : appData + "\\VSM Map Manager";
}

std::string desktopFolder()
{
    return specialFolder(CSIDL_DESKTOP);
}

} // namespace platform
