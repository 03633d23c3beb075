#include "platform/DirectorySearch.h"

#include "platform/NameCompare.h"
#include "platform/Wildcard.h"

#include <algorithm>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>

namespace platform {

namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

bool isFolderEntry(const std::string& folder, const dirent& entry)
{
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    // Links are followed, as a Windows search reports a folder junction as a folder.
    struct stat info {};
    return stat((folder + entry.d_name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

std::optional<std::vector<DirectoryEntry>> searchDirectory(const std::string& folder, const std::string& mask)
{
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir)
        return std::nullopt;
    std::vector<DirectoryEntry> entries;
    while (const dirent* entry = readdir(dir.get())) {
        std::string_view name(entry->d_name);
        if (wildcardMatch(mask, name))
            entries.push_back({std::string(name), isFolderEntry(folder, *entry), entry->d_type == DT_LNK});
    }
    if (entries.empty())
        return std::nullopt;
    std::sort(entries.begin(), entries.end(), [](const DirectoryEntry& a, const DirectoryEntry& b) {
        if (nameLess(a.name, b.name))
            return true;
        // Names that differ only in case (possible here, not on Windows) keep a fixed order.
        return !nameLess(b.name, a.name) && a.name < b.name;
    });
    return entries;
}

std::optional<FolderIdentity> folderIdentity(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FolderIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

} // namespace platform
