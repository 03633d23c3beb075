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

/// The free space of the disk that an import writes to: asked of the system at first and again
/// after every 16 MiB written (what was written meanwhile is counted off), so that a folder of
/// thousands of small maps does not ask once a file.
class DiskReserve {
public:
    explicit DiskReserve(std::string folder) : m_folder(std::move(folder)) {}

    const std::string& folder() const { return m_folder; }
    /// Nothing when `bytes` more can be written and the disk's reserve stays free; else why not.
    std::optional<SkipReason> roomFor(std::uint64_t bytes);
    /// Counts `bytes` written.
    void wrote(std::uint64_t bytes) { m_since += bytes; }

private:
    std::string m_folder;
    bool m_asked = false;
    std::optional<platform::DiskSpace> m_space;
    std::uint64_t m_since = 0; ///< written since the system was asked
};

/// One file written new during an import: room for its expected size is asked for before it is
/// made, and again while it is written, so that a file larger than it said is stopped too.
/// What was written of a file that failed is removed with the import's folder.
class ImportedFile {
public:
    /// Makes `path` for about `size` bytes; `failure()` says why it could not be made.
    ImportedFile(const std::string& path, DiskReserve& reserve, std::uint64_t size);

    const std::optional<SkipReason>& failure() const { return m_failure; }
    /// Writes a piece at `offset` (past the end leaves a hole); false, with `failure()` set, when
    /// it could not.
    bool writeAt(std::uint64_t offset, const void* bytes, std::size_t size);
    /// Closes the file at `length` bytes; false, with `failure()` set, when that failed.
    bool finish(std::uint64_t length);

private:
    /// Why writing failed, as far as the disk tells.
    bool failed();

    DiskReserve& m_reserve;
    std::optional<SkipReason> m_failure;
    platform::NewFile m_file;
};

} // namespace operations
