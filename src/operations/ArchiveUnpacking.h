#pragma once

#include "operations/ImportedFile.h"
#include "operations/ImportReport.h"

#include <optional>
#include <string>
#include <vector>

/// The one place that reads archives, through libarchive.
namespace operations {

/// What the content of a file says of it as an archive.
enum class ArchiveProbe {
    NotAnArchive,
    Entries,   ///< an archive from which an entry could be read
    NoEntries, ///< an archive of a known format without any entry
    Damaged,   ///< of a known format, but its first entry cannot be read
};

/// What the file at `path` (a regular file) is as an archive of a format that is read here.
ArchiveProbe probeArchive(const std::string& path);

/// What unpacking one archive did.
struct Unpacked {
    std::optional<SkipReason> failure;  ///< why the archive as a whole failed: keep nothing of it
    std::vector<Skipped> skippedEntries; ///< entries passed over, named as in the archive
    std::vector<std::string> files;      ///< the files written, in archive order
};

/// Writes every entry of `archive` below `folder` (an existing folder, ending in the separator)
/// that may be written there: never outside it, never a link or a device, never over a file.
/// Sparse files keep their holes. Stops at the first damaged or encrypted part, when the disk's
/// reserve would be crossed, or when `progress` cancels; then `failure` says why and the caller
/// removes what was written.
Unpacked unpackArchive(const std::string& archive, const std::string& folder, DiskReserve& reserve,
                       UnpackProgress& progress);

} // namespace operations
