#pragma once

#include "operations/MapImport.h"

#include "platform/FolderTree.h"

#include <cstdint>
#include <optional>
#include <string>

/// Writing the files of an import, so that the disk keeps room for the rest of the system.
namespace operations {

/// The size of the file `path`; 0 where it cannot be told (reading it then tells what is wrong).
std::uint64_t sizeOrZero(const std::string& path);

/// The free space an import leaves on a disk of `total` bytes: the smaller of 1 GiB and a tenth.
std::uint64_t reserveOf(std::uint64_t total);

/// Nothing when `bytes` more can be written into `folder` and the disk's reserve stays free;
/// else why not.
std::optional<SkipReason> roomFor(const std::string& folder, std::uint64_t bytes);

/// One file written new during an import: room for its expected size is asked for before it is
/// made, and asked again every 16 MiB written, so that a file larger than it said is stopped
/// too. What was written of a file that failed is removed with the import's folder.
class ImportedFile {
public:
    /// Makes `path` for about `size` bytes; `failure()` says why it could not be made.
    ImportedFile(const std::string& path, const std::string& folder, std::uint64_t size);

    const std::optional<SkipReason>& failure() const { return m_failure; }
    /// Writes a piece at `offset` (past the end leaves a hole); false, with `failure()` set, when
    /// it could not.
    bool writeAt(std::uint64_t offset, const void* bytes, std::size_t size);
    /// Closes the file at `length` bytes; false, with `failure()` set, when that failed.
    bool finish(std::uint64_t length);

private:
    /// Why writing failed, as far as the disk tells.
    bool failed();

    std::string m_folder;
    std::optional<SkipReason> m_failure;
    platform::NewFile m_file;
    std::uint64_t m_sinceCheck = 0;
};

} // namespace operations
