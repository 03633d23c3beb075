#pragma once

#include "operations/ImportReport.h"

#include "platform/DiskSpace.h"
#include "platform/NewFile.h"

#include <cstdint>
#include <optional>
#include <string>

/// Writing the files of an import, so that the disk keeps room for the rest of the system.
namespace operations {

/// The free space an import leaves on a disk of `total` bytes: the smaller of 1 GiB and a tenth.
std::uint64_t reserveOf(std::uint64_t total);
/// The room for files an import leaves on a disk that holds `total` files and folders: the
/// smaller of 65 536 and a tenth.
std::uint64_t fileReserveOf(std::uint64_t total);

/// What an import spends of the disk it writes to, against what the disk has: the data of each
/// file in whole blocks, each new file and folder a block and an entry more. The system is asked
/// at first and again after every 16 MiB so spent (what was spent meanwhile is counted off), so
/// that a folder of thousands of small maps does not ask once a file.
class DiskReserve {
public:
    explicit DiskReserve(std::string folder) : m_folder(std::move(folder)) {}

    const std::string& folder() const { return m_folder; }
    /// Nothing when a new file of `bytes` (a folder: 0) can be made and the disk keeps its
    /// reserves of room and of files; else why not. Counts the new entry.
    std::optional<SkipReason> roomForNew(std::uint64_t bytes);
    /// Counts `blocks` more blocks of data written; nothing when the reserve stays free, else why not.
    std::optional<SkipReason> wroteBlocks(std::uint64_t blocks);
    /// The disk's block size (4 KiB until the system has been asked).
    std::uint64_t blockSize() const { return m_space ? m_space->blockSize : 4096; }
    /// The whole blocks that `bytes` of data take on the disk.
    std::uint64_t blocksFor(std::uint64_t bytes) const { return (bytes + blockSize() - 1) / blockSize(); }

private:
    /// Asks the system again where that is due.
    void refresh();
    /// Whether `bytes` more room and `files` more entries leave the reserves free.
    bool fits(std::uint64_t bytes, std::uint64_t files) const;

    std::string m_folder;
    bool m_asked = false;
    std::optional<platform::DiskSpace> m_space;
    std::uint64_t m_since = 0;      ///< bytes spent since the system was asked
    std::uint64_t m_filesSince = 0; ///< files and folders made since then
};

/// Makes the folder `path` of an import, its entry counted against the disk's reserves; nothing,
/// or why not: TooLittleRoom or DiskFull (the import stops then), NameTaken, Unreadable.
std::optional<SkipReason> makeImportedFolder(const std::string& path, DiskReserve& reserve);

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
    std::uint64_t m_countedBlocks = 0; ///< the blocks from the start of the file counted as spent
    std::optional<SkipReason> m_failure;
    platform::NewFile m_file;
};

} // namespace operations
