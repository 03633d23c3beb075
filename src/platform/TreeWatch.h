#pragma once

// The system's watch of a folder tree behind TreeNotices: inotify on Linux,
// ReadDirectoryChangesW on Windows.

#include "platform/FolderDescent.h"
#include "platform/FolderIndex.h"
#include "platform/TreeNotices.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

/// What the system told of a tree, drained into `pending`, and the names of the folders read
/// for look-ups, kept from the same notices.
class TreeWatch {
public:
    virtual ~TreeWatch() = default;

    /// Watches `folder` and the folders a search enters below it, from now on; what was told
    /// before is dropped.
    virtual void renew(const std::string& folder) = 0;
    /// Moves what the system told since into `pending` (or sets `lost`).
    virtual void drain() = 0;
    /// False where the path names another folder now, or none (the folder or one above it moved).
    virtual bool stillInPlace(const std::string& folder) = 0;
    /// Returns once every change made before the call will be drained (see TreeNotices::catchUp).
    virtual void catchUp() = 0;
    /// The names of `folder` kept from the notices, read at the first look-up; nothing for a
    /// folder outside the tree or one that cannot be read.
    virtual const FolderIndex* indexOf(const std::string& folder) = 0;

    EntersFolder enters = entersEveryFolder; ///< which subfolders the walk of the tree enters
    bool complete = false; ///< every folder a search of the tree enters is watched
    bool lost = false;     ///< notices were lost since the last take
    std::vector<TreeNotices::Change> pending; ///< told, not yet taken
};

/// This system's watch, not yet watching anything.
std::unique_ptr<TreeWatch> makeTreeWatch();

} // namespace platform
