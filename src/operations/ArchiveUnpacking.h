#pragma once

#include "operations/MapImport.h"

#include <optional>
#include <string>
#include <vector>

/// The one place that reads archives, through libarchive.
namespace operations {

/// True when the file at `path` is an archive of a format that is read here, known by its content.
bool isArchive(const std::string& path);

/// What unpacking one archive did.
struct Unpacked {
    std::optional<SkipReason> failure;  ///< why the archive as a whole failed: keep nothing of it
    std::vector<Skipped> skippedEntries; ///< entries passed over, named as in the archive
    std::vector<std::string> files;      ///< the files written, in archive order
};

/// Writes every entry of `archive` below `folder` (an existing folder, ending in the separator)
/// that may be written there: never outside it, never a link or a device, never over a file.
/// Stops at the first damaged or encrypted part, when the disk is nearly full, or when `progress`
/// cancels; then `failure` says why and the caller removes what was written.
Unpacked unpackArchive(const std::string& archive, const std::string& folder, UnpackProgress& progress);

} // namespace operations
