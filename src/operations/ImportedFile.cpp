#include "operations/ImportedFile.h"

#include "platform/FileSystem.h"

#include <algorithm>

namespace operations {

namespace {

/// After how many bytes written the free space is asked of the system again.
constexpr std::uint64_t kSpaceCheckBytes = 16u << 20;

} // namespace

std::uint64_t sizeOrZero(const std::string& path)
{
    try {
        return static_cast<std::uint64_t>(platform::fileSize(path));
    } catch (const std::exception&) {
        return 0;
    }
}

std::uint64_t reserveOf(std::uint64_t total)
{
    return std::min<std::uint64_t>(std::uint64_t {1} << 30, total / 10);
}

std::optional<SkipReason> DiskReserve::roomFor(std::uint64_t bytes)
{
    if (!m_asked || m_since >= kSpaceCheckBytes) {
        m_space = platform::diskSpace(m_folder);
        m_asked = true;
        m_since = 0;
    }
    if (!m_space)
        return std::nullopt;
    const std::uint64_t available = m_space->available - std::min(m_space->available, m_since);
    if (available >= bytes && available - bytes >= reserveOf(m_space->total))
        return std::nullopt;
    return SkipReason::TooLittleRoom;
}

ImportedFile::ImportedFile(const std::string& path, DiskReserve& reserve, std::uint64_t size)
    : m_reserve(reserve), m_failure(reserve.roomFor(size)), m_file(m_failure ? std::string() : path)
{
    if (!m_failure && !m_file.valid())
        m_failure = platform::fileExists(path) || platform::folderExists(path) ? SkipReason::NameTaken
                                                                                : SkipReason::NameNotPossible;
}

bool ImportedFile::writeAt(std::uint64_t offset, const void* bytes, std::size_t size)
{
    if (m_failure || !m_file.writeAt(offset, bytes, size))
        return failed();
    m_reserve.wrote(size);
    m_failure = m_reserve.roomFor(0);
    return !m_failure;
}

bool ImportedFile::finish(std::uint64_t length)
{
    return !m_failure && (m_file.close(length) || failed());
}

bool ImportedFile::failed()
{
    if (!m_failure) {
        const auto space = platform::diskSpace(m_reserve.folder());
        m_failure = space && space->available < kSpaceCheckBytes ? SkipReason::DiskFull : SkipReason::Unreadable;
    }
    return false;
}

} // namespace operations
