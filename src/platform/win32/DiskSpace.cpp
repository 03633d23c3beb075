#include "platform/DiskSpace.h"

#include "platform/win32/Win32Files.h"

#include <windows.h>

#include <vector>

namespace platform {

std::optional<DiskSpace> diskSpace(const std::string& folder)
{
    const std::wstring wide = widePath(folder);
    ULARGE_INTEGER available, total;
    if (!GetDiskFreeSpaceExW(wide.c_str(), &available, &total, nullptr))
        return std::nullopt;
    DiskSpace space;
    space.available = available.QuadPart;
    space.total = total.QuadPart;
    // The cluster, the least a file takes, is known for the volume's root.
    std::vector<wchar_t> root(wide.size() + 1);
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (GetVolumePathNameW(wide.c_str(), root.data(), static_cast<DWORD>(root.size()))
        && GetDiskFreeSpaceW(root.data(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)
        && sectorsPerCluster * bytesPerSector > 0)
        space.blockSize = std::uint64_t {sectorsPerCluster} * bytesPerSector;
    // NTFS, exFAT and FAT32 set no limit of files that could come before the room runs out.
    return space;
}

bool lastFailureWasDiskFull()
{
    const DWORD error = GetLastError();
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL || error == ERROR_DISK_QUOTA_EXCEEDED;
}

} // namespace platform
