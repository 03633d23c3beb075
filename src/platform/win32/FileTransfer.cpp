#include "platform/VolumeMoves.h"

#include "platform/win32/HeldFiles.h"
#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace platform {

RenameOutcome renameWithinVolume(const std::string& from, const std::string& to)
{
    // The file system refuses a namesake in any case itself. Not asked to copy: the system's
    // own copy across volumes would write straight under the name.
    const std::wstring source = widePath(from), target = widePath(to);
    if (retryWhileHeld([&] { return MoveFileExW(source.c_str(), target.c_str(), 0); }))
        return RenameOutcome::Done;
    return GetLastError() == ERROR_NOT_SAME_DEVICE ? RenameOutcome::OtherVolume : RenameOutcome::Failed;
}

bool removeMovedSource(const std::string& from, const std::string&)
{
    // The copy was flushed and renamed with write-through: it is on the disk already.
    const std::wstring source = widePath(from);
    return retryWhileHeld([&] { return DeleteFileW(source.c_str()); });
}

bool removeOwnFile(const std::string& path)
{
    const std::wstring wide = widePath(path);
    return retryWhileHeld([&] { return DeleteFileW(wide.c_str()); });
}

} // namespace platform
