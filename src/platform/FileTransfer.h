#pragma once

#include <string>

/// Moving, copying and deleting single files. None of them reports why it failed:
/// the callers only look at the outcome on disk.
namespace platform {

/// Moves `from` to `to`. Never replaces an existing `to`; works across file systems,
/// where the source is deleted only once the copy is complete. False when it failed.
bool moveFile(const std::string& from, const std::string& to);

/// Copies `from` to `to`, creating or replacing `to` through a temporary file in the
/// destination folder, so that a failed copy leaves no partial file behind.
bool copyFile(const std::string& from, const std::string& to);

/// Deletes one file. False (quietly) when there was nothing to delete or it failed.
bool deleteFile(const std::string& path);

} // namespace platform
