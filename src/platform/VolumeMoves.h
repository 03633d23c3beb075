#pragma once

#include <string>

/// The two steps of a move that differ between the systems; the moves and copies of
/// FileTransfer.h are built on them.
namespace platform {

/// How a rename within one volume ended.
enum class RenameOutcome {
    Done,
    OtherVolume, ///< `to` is on another volume (drive, file system): nothing was done
    Failed,      ///< a namesake is there, the source is missing, or the system refused
};

/// Renames `from` to `to`, never replacing a file of that name in any case (the systems' no-replace
/// rename); a file that another program holds for a moment is waited for (Windows).
RenameOutcome renameWithinVolume(const std::string& from, const std::string& to);

/// Removes the source `from` of a move whose copy has just been put in place at `to`: first
/// the copy and its entry in the folder go to the disk, so that after a power cut the file is
/// at one of its places. False when the source could not be removed.
bool removeMovedSource(const std::string& from, const std::string& to);

/// Removes a file that this program placed itself; false when it could not.
bool removeOwnFile(const std::string& path);

} // namespace platform
