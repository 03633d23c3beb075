#include "platform/DiskSpace.h"

#include <cerrno>

#include <sys/statvfs.h>

namespace platform {

std::optional<DiskSpace> diskSpace(const std::string& folder)
{
    struct statvfs info {};
    if (statvfs(folder.c_str(), &info) != 0)
        return std::nullopt;
    DiskSpace space;
    space.available = static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
    space.total = static_cast<std::uint64_t>(info.f_blocks) * info.f_frsize;
    if (info.f_frsize > 0)
        space.blockSize = static_cast<std::uint64_t>(info.f_frsize);
    // File systems that make inodes as they go (btrfs) report none.
    if (info.f_files > 0) {
        space.availableFiles = static_cast<std::uint64_t>(info.f_favail);
        space.totalFiles = static_cast<std::uint64_t>(info.f_files);
    }
    return space;
}

bool lastFailureWasDiskFull()
{
    return errno == ENOSPC || errno == EDQUOT;
}

} // namespace platform
