#include "platform/ShellFolders.h"

#include <windows.h>
#include <shlobj.h>

namespace platform {

namespace {

std::string specialFolder(int csidl)
{
    LPITEMIDLIST list = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, csidl, &list) != S_OK)
        return {};
    char path[MAX_PATH] = {};
    const bool converted = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    return converted ? std::string(path) : std::string();
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
