#include "platform/DirectorySearch.h"

#include "platform/NameCompare.h"
#include "platform/Wildcard.h"
#include "platform/posix/PosixFiles.h"

#include <algorithm>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>

namespace platform {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

} // namespace

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

namespace {

/// An entry with its sort key, the upper-cased name, made once.
struct Found {
    std::string key;
    DirectoryEntry entry;
};

/// Sorts as Windows lists a folder: by case-insensitive name.
std::vector<DirectoryEntry> inWindowsOrder(std::vector<Found>& found)
{
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        // Names that differ only in case (possible here, not on Windows) keep a fixed order.
        return a.key != b.key ? a.key < b.key : a.entry.name < b.entry.name;
    });
    std::vector<DirectoryEntry> entries;
    entries.reserve(found.size());
    for (auto& item : found)
        entries.push_back(std::move(item.entry));
    std::vector<Found>().swap(found); // the sort keys are done with: a big folder holds them once
    return entries;
}

Found found(std::string_view name, EntryKind kind)
{
    std::string key(name);
    for (char& c : key)
        c = upperAscii(c);
    return {std::move(key), {std::string(name), kind.isFolder, kind.isLink}};
}

} // namespace

std::optional<std::vector<DirectoryEntry>> searchDirectory(const std::string& folder, const std::string& mask)
{
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir)
        return std::nullopt;
    std::vector<Found> matches;
    while (const dirent* entry = readdir(dir.get())) {
        std::string_view name(entry->d_name);
        if (!wildcardMatch(mask, name))
            continue;
        matches.push_back(found(name, entryKind(folder, entry->d_name, entry->d_type)));
    }
    if (matches.empty())
        return std::nullopt;
    return inWindowsOrder(matches);
}

FolderSearch searchFolderAndSubfolders(const std::string& folder, const std::string& mask)
{
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir)
        return {};
    std::vector<Found> subfolders, matches;
    while (const dirent* entry = readdir(dir.get())) {
        std::string_view name(entry->d_name);
        const bool matchesMask = wildcardMatch(mask, name);
        const EntryKind kind = entryKind(folder, entry->d_name, entry->d_type);
        if (kind.isFolder)
            subfolders.push_back(found(name, kind));
        if (matchesMask)
            matches.push_back(kind.isFolder ? subfolders.back() : found(name, kind));
    }
    // "." and ".." are always there, so the "*.*" search always starts.
    FolderSearch search;
    search.subfolders = inWindowsOrder(subfolders);
    if (!matches.empty())
        search.matches = inWindowsOrder(matches);
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
