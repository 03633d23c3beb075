#include "operations/ImportedFile.h"

#include "platform/FileSystem.h"

#include <algorithm>

namespace operations {

namespace {

/// How often the free space is asked again while one large file is written.
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

std::optional<SkipReason> roomFor(const std::string& folder, std::uint64_t bytes)
{
    const auto space = platform::diskSpace(folder);
    if (!space || (space->available >= bytes && space->available - bytes >= reserveOf(space->total)))
        return std::nullopt;
    return SkipReason::TooLittleRoom;
}

ImportedFile::ImportedFile(const std::string& path, const std::string& folder, std::uint64_t size)
    : m_folder(folder), m_failure(roomFor(folder, size)), m_file(m_failure ? std::string() : path)
{
    if (!m_failure && !m_file.valid())
        m_failure = platform::fileExists(path) || platform::folderExists(path) ? SkipReason::NameTaken
                                                                                : SkipReason::NameNotPossible;
}

bool ImportedFile::writeAt(std::uint64_t offset, const void* bytes, std::size_t size)
{
    if (m_failure || !m_file.writeAt(offset, bytes, size))
        return failed();
    m_sinceCheck += size;
    if (m_sinceCheck >= kSpaceCheckBytes) {
        m_sinceCheck = 0;
        m_failure = roomFor(m_folder, 0);
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
        const auto space = platform::diskSpace(m_folder);
        m_failure = space && space->available < kSpaceCheckBytes ? SkipReason::DiskFull : SkipReason::Unreadable;
    }
    return false;
}

} // namespace operations
