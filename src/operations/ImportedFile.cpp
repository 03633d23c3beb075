#include "operations/ImportedFile.h"

#include "platform/FileSystem.h"
#include "platform/FolderTree.h"

#include <algorithm>

namespace operations {

namespace {

/// After how many bytes written the free space is asked of the system again.
constexpr std::uint64_t kSpaceCheckBytes = 16u << 20;

} // namespace

std::uint64_t reserveOf(std::uint64_t total)
{
    return std::min<std::uint64_t>(std::uint64_t {1} << 30, total / 10);
}

std::uint64_t fileReserveOf(std::uint64_t total)
{
    return std::min<std::uint64_t>(65536, total / 10);
}

void DiskReserve::refresh()
{
    if (m_asked && m_since < kSpaceCheckBytes)
        return;
    m_space = platform::diskSpace(m_folder);
    m_asked = true;
    m_since = 0;
    m_filesSince = 0;
}

bool DiskReserve::fits(std::uint64_t bytes, std::uint64_t files) const
{
    if (!m_space)
        return true;
    const std::uint64_t available = m_space->available - std::min(m_space->available, m_since);
    if (available < bytes || available - bytes < reserveOf(m_space->total))
        return false;
    if (!m_space->availableFiles)
        return true;
    const std::uint64_t freeFiles = *m_space->availableFiles - std::min(*m_space->availableFiles, m_filesSince);
    return freeFiles >= files && freeFiles - files >= fileReserveOf(m_space->totalFiles);
}

std::optional<SkipReason> DiskReserve::roomForNew(std::uint64_t bytes)
{
    refresh();
    const std::uint64_t block = blockSize();
    // The entry itself: its inode and its line in the folder take about a block.
    if (!fits((blocksFor(bytes) + 1) * block, 1))
        return SkipReason::TooLittleRoom;
    m_since += block;
    m_filesSince += 1;
    return std::nullopt;
}

std::optional<SkipReason> DiskReserve::wroteBlocks(std::uint64_t blocks)
{
    m_since += blocks * blockSize();
    refresh();
    if (fits(0, 0))
        return std::nullopt;
    return SkipReason::TooLittleRoom;
}

std::optional<SkipReason> makeImportedFolder(const std::string& path, DiskReserve& reserve)
{
    if (const auto room = reserve.roomForNew(0))
        return room;
    if (platform::makeFolder(path))
        return std::nullopt;
    if (platform::lastFailureWasDiskFull())
        return SkipReason::DiskFull;
    return platform::fileExists(path) || platform::folderExists(path) ? SkipReason::NameTaken : SkipReason::Unreadable;
}

ImportedFile::ImportedFile(const std::string& path, DiskReserve& reserve, std::uint64_t size)
    : m_reserve(reserve), m_failure(reserve.roomForNew(size)), m_file(m_failure ? std::string() : path)
{
    if (m_failure || m_file.valid())
        return;
    if (platform::lastFailureWasDiskFull())
        m_failure = SkipReason::DiskFull;
    else
        m_failure = platform::fileExists(path) || platform::folderExists(path) ? SkipReason::NameTaken
                                                                               : SkipReason::NameNotPossible;
}

bool ImportedFile::writeAt(std::uint64_t offset, const void* bytes, std::size_t size)
{
    if (m_failure || !m_file.writeAt(offset, bytes, size))
        return failed();
    // The blocks the piece touches that were not counted yet; a hole before it takes none.
    const std::uint64_t block = m_reserve.blockSize();
    const std::uint64_t first = std::max(offset / block, m_countedBlocks), end = m_reserve.blocksFor(offset + size);
    if (end > first) {
        m_failure = m_reserve.wroteBlocks(end - first);
        m_countedBlocks = end;
    }
    return !m_failure;
}

bool ImportedFile::finish(std::uint64_t length)
{
    return !m_failure && (m_file.close(length) || failed());
}

bool ImportedFile::failed()
{
    if (!m_failure) {
        const bool full = platform::lastFailureWasDiskFull();
        const auto space = platform::diskSpace(m_reserve.folder());
        m_failure = full || (space && space->available < kSpaceCheckBytes) ? SkipReason::DiskFull : SkipReason::Unreadable;
    }
    return false;
}

} // namespace operations
