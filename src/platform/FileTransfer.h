#pragma once

#include "platform/FolderNames.h"

#include <string>
#include <vector>

/// Moving, copying and deleting single files. None of them reports why it failed:
/// the callers only look at the outcome on disk.
namespace platform {

class LeftoverSweep;

/// Moves `from` to `to`. Never replaces an existing `to`; works across file systems (and drives),
/// where the bytes go into a temporary file beside `to` that takes the name only when complete,
/// and the source is deleted only after that (a source that cannot be deleted takes the copy
/// back out: a map is never in two places): a move ended at any moment leaves the file whole
/// at its source or at `to`. False when it failed.
bool moveFile(const std::string& from, const std::string& to);

/// Copies `from` to `to`, creating or replacing `to` through a temporary file in the
/// destination folder, so that a failed copy leaves no partial file behind.
///
/// Before the first temporary file is made in a folder, the moves and copies remove the ones
/// that a program ended midway left there. Temporary names end in no map file's extension.
bool copyFile(const std::string& from, const std::string& to);

/// Copies `from` to `to` as `copyFile` does, but only where no file of that name exists in any
/// case: never replaces one. False otherwise.
bool copyFileWithoutReplacing(const std::string& from, const std::string& to);

/// A file to put into a folder: where it is and the name it gets there.
struct FileToPlace {
    std::string from;
    std::string name;
};

/// What a run of many maps keeps of the folder they go into, once for all of them: the names in
/// it (the watcher's, else the disk's), and its sweep of leftover temporary files, if any.
struct KeptFolder {
    FolderNames* names = &diskNames();
    LeftoverSweep* sweep = nullptr;
};

/// Moves each of `files` in turn into `folder` (which ends in the separator), as `moveFile`
/// would, or copies each as `copyFile` would; the folder's names are read once for all of them,
/// or taken from what `kept` knows of that folder.
void moveFilesInto(const std::string& folder, const std::vector<FileToPlace>& files, KeptFolder kept = {});
void copyFilesInto(const std::string& folder, const std::vector<FileToPlace>& files, KeptFolder kept = {});

/// Sends one file to the system's recycle bin, from where the user can restore it (on Linux the
/// desktop's trash); deletes it for good where no recycle bin can take it (a share, a file
/// system without one). False (quietly) when there was nothing to delete or it failed.
bool recycleFile(const std::string& path);

} // namespace platform
