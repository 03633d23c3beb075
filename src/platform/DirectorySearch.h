#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

/// One entry of a directory search, as the system reports it.
struct DirectoryEntry {
    std::string name;   ///< the entry's long name, without folder
    bool isFolder;      ///< the directory attribute (a link to a folder counts as a folder)
    bool isLink = false; ///< the entry is a link (or junction) to somewhere else
};

/// Lists the entries of `folder` (which ends in the separator) whose names match `mask`
/// (Windows wildcard rules), sorted as Windows lists them: by case-insensitive name.
/// "." and ".." are reported like any other entry. Returns nothing when the search
/// cannot start: the folder is missing or unreadable, or no entry matches.
std::optional<std::vector<DirectoryEntry>> searchDirectory(const std::string& folder, const std::string& mask);

/// The two searches of one folder that a recursive file search makes: its subfolders (the
/// folders of a "*.*" search) and its entries matching `mask`, each as `searchDirectory`
/// would report it. Where the system allows, both come from one reading of the folder.
struct FolderSearch {
    std::optional<std::vector<DirectoryEntry>> subfolders;
    std::optional<std::vector<DirectoryEntry>> matches;
};
FolderSearch searchFolderAndSubfolders(const std::string& folder, const std::string& mask);

/// What makes a folder the same folder, whatever path leads to it.
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t node = 0;
    friend bool operator==(const FolderIdentity&, const FolderIdentity&) = default;
};

/// The identity of the folder at `path`, or nothing when it cannot be queried.
std::optional<FolderIdentity> folderIdentity(const std::string& path);

} // namespace platform
