#include "platform/DirectorySearch.h"

#include "platform/Wildcard.h"
#include "platform/posix/DirectoryReader.h"
#include "platform/posix/PosixFiles.h"

#include <dirent.h>
#include <sys/stat.h>

namespace platform {

EntryKind entryKind(const std::string& folder, const char* name, unsigned char type)
{
    if (type == DT_DIR)
        return {true, false};
    if (type != DT_LNK && type != DT_UNKNOWN)
        return {false, false};
    const std::string path = folder + name;
    struct stat info {};
    const bool isLink = type == DT_LNK || (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode));
    // Links are followed, as a Windows search reports a folder junction as a folder.
    return {stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode), isLink};
}

std::optional<DirectoryEntries> searchDirectory(const std::string& folder, const std::string& mask)
{
    DirectoryReader dir(folder);
    if (!dir.valid())
        return std::nullopt;
    DirectoryEntries matches;
    const WildcardMask wanted(mask);
    while (const dirent64* entry = dir.next()) {
        const std::string_view name(entry->d_name);
        if (!wanted.matches(name))
            continue;
        const EntryKind kind = entryKind(folder, entry->d_name, entry->d_type);
        matches.add(name, kind.isFolder, kind.isLink);
    }
    if (matches.empty())
        return std::nullopt;
    matches.sortAsWindowsLists();
    return matches;
}

FolderSearch searchFolderAndSubfolders(const std::string& folder, const std::string& mask)
{
    DirectoryReader dir(folder);
    if (!dir.valid())
        return {};
    DirectoryEntries subfolders, matches;
    const WildcardMask wanted(mask);
    while (const dirent64* entry = dir.next()) {
        const std::string_view name(entry->d_name);
        const EntryKind kind = entryKind(folder, entry->d_name, entry->d_type);
        if (kind.isFolder)
            subfolders.add(name, true, kind.isLink);
        if (wanted.matches(name))
            matches.add(name, kind.isFolder, kind.isLink);
    }
    // "." and ".." are always there, so the "*.*" search always starts.
    FolderSearch search;
    subfolders.sortAsWindowsLists();
    search.subfolders = std::move(subfolders);
    if (!matches.empty()) {
        matches.sortAsWindowsLists();
        search.matches = std::move(matches);
    }
    return search;
}

std::optional<FolderIdentity> folderIdentity(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FolderIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

} // namespace platform
