#pragma once

#include <cstdint>
#include <optional>
#include <string>

/// How full a disk is, and whether a failure was the disk being full.
namespace platform {

/// How much a file system holds and how much of it the user may still write.
struct DiskSpace {
    std::uint64_t available = 0;
    std::uint64_t total = 0;
    /// The unit the file system gives out room in: a file of one byte takes this much.
    std::uint64_t blockSize = 4096;
    /// How many more files and folders it can hold, and all it can, where it counts them
    /// (inodes on Linux); nothing where it sets no such limit.
    std::optional<std::uint64_t> availableFiles;
    std::uint64_t totalFiles = 0;
};

/// The space on the file system of `folder`; nothing when the system does not tell.
std::optional<DiskSpace> diskSpace(const std::string& folder);

/// True when the last failed file or folder call failed because the disk, its room for files,
/// or the user's share of it (a quota) is full.
bool lastFailureWasDiskFull();

} // namespace platform
