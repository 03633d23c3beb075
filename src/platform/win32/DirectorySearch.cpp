#include "platform/DirectorySearch.h"

#include "platform/Wildcard.h"
#include "platform/win32/DirectoryReader.h"
#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace platform {

namespace {

/// The entries of one folder search, in the file system's order; nothing when it cannot start.
std::optional<DirectoryEntries> search(const std::string& folder, const std::string& mask)
{
    DirectoryReader reader(folder + mask);
    if (!reader.valid())
        return std::nullopt;
    DirectoryEntries entries;
    while (const WIN32_FIND_DATAW* data = reader.next()) {
        entries.add(utf8FromWide(data->cFileName), (data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                    (data->dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0);
    }
    return entries;
}

} // namespace

std::optional<DirectoryEntries> searchDirectory(const std::string& folder, const std::string& mask)
{
    return search(folder, mask);
}

FolderSearch searchFolderAndSubfolders(const std::string& folder, const std::string& mask)
{
    // One search of the folder serves both, the mask matched here by the program's own rules:
    // a second search would have the system look at every entry again (Wine reads each one's
    // attributes from the disk again).
    const auto all = search(folder, "*");
    if (!all)
        return {};
    DirectoryEntries subfolders, matches;
    const WildcardMask wanted(mask);
    for (const DirectoryEntry entry : *all) {
        if (entry.isFolder)
            subfolders.add(entry.name, true, entry.isLink);
        if (wanted.matches(entry.name))
            matches.add(entry.name, entry.isFolder, entry.isLink);
    }
    FolderSearch found;
    found.subfolders = std::move(subfolders);
    if (!matches.empty())
        found.matches = std::move(matches);
    return found;
}

std::optional<FolderIdentity> folderIdentity(const std::string& path)
{
    const HANDLE handle = CreateFileW(widePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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
