#include "platform/VolumeMoves.h"

#include "platform/posix/PosixFiles.h"

#include <cerrno>

#include <unistd.h>

namespace platform {

RenameOutcome renameWithinVolume(const std::string& from, const std::string& to)
{
    if (renameWithoutReplacing(from, to))
        return RenameOutcome::Done;
    return errno == EXDEV ? RenameOutcome::OtherVolume : RenameOutcome::Failed;
}

bool removeMovedSource(const std::string& from, const std::string& to)
{
    syncFolderOf(to);
    return unlink(from.c_str()) == 0;
}

bool removeOwnFile(const std::string& path)
{
    return unlink(path.c_str()) == 0;
}

} // namespace platform
