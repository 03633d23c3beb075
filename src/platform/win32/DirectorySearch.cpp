#include "platform/DirectorySearch.h"

#include <windows.h>

namespace platform {

std::optional<std::vector<DirectoryEntry>> searchDirectory(const std::string& folder, const std::string& mask)
{
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA((folder + mask).c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::vector<DirectoryEntry> entries;
    do {
        entries.push_back({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                           (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return entries;
}

FolderSearch searchFolderAndSubfolders(const std::string& folder, const std::string& mask)
{
    FolderSearch search;
    search.subfolders = searchDirectory(folder, "*.*");
    if (search.subfolders)
        std::erase_if(*search.subfolders, [](const DirectoryEntry& entry) { return !entry.isFolder; });
    search.matches = searchDirectory(folder, mask);
    return search;
}

std::optional<FolderIdentity> folderIdentity(const std::string& path)
{
    const HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    if (!known)
        return std::nullopt;
    return FolderIdentity{info.dwVolumeSerialNumber,
                          (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

} // namespace platform
