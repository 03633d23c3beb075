#pragma once

// Which folders a walk of a folder tree enters: the one rule of the finder and the watchers.

#include "platform/DirectorySearch.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

/// Whether a walk enters a subfolder of this name; never "." or "..".
using EntersFolder = bool (*)(std::string_view name);
/// Enters every subfolder.
bool entersEveryFolder(std::string_view name);
/// True where a walk from the top of a tree enters every folder of `relative`, a path below it
/// whose last component is a file.
bool entersFoldersOf(std::string_view relative, EntersFolder enters);

/// The folders on the way down a walk: a link that leads back to one of them is not entered, as
/// entering it would never end. Without links a tree has no cycles, so the folders' identities
/// are asked for only once a link is met.
class FolderDescent {
public:
    /// Goes down into `folder`, and back up.
    void enter(std::string folder) { m_folders.push_back({std::move(folder), std::nullopt, false}); }
    void leave() { m_folders.pop_back(); }
    /// True where the subfolder at `path` is entered: it is no link, or a link that leads to a
    /// folder not on the way down.
    bool enters(const std::string& path, bool isLink);

private:
    struct Folder {
        std::string path;
        std::optional<FolderIdentity> identity;
        bool known = false;
    };
    std::vector<Folder> m_folders;
};

} // namespace platform
