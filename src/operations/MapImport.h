#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// Adding maps to the new-maps folder from what the user drops or pastes: map packages with
/// their companion files, folders, and archives (zip, 7z, rar and what else the archive library
/// reads). Nothing in the new-maps folder is ever replaced, and nothing half-done stays there.
namespace operations {

/// Why something was not added, or an entry of an archive was passed over.
enum class SkipReason {
    OutsideItsFolder, ///< an entry whose path leaves its folder (absolute, drive letter, "..")
    Link,             ///< a symbolic or hard link
    SpecialFile,      ///< a device, pipe or socket
    NameNotPossible,  ///< a name this system cannot hold
    Encrypted,
    Unsupported,      ///< a format or compression method the archive library does not read
    Damaged,
    DiskFull,
    NameTaken,        ///< a file or folder of that name exists, whatever its case
    Cancelled,
    NoMaps,           ///< neither a map nor an archive or folder with maps in it
    HoldsMapsFolder,  ///< a folder that holds the new-maps folder itself
    Unreadable,       ///< could not be read or written
    TooLittleRoom,    ///< it would leave less free on the disk than the rest of the system needs
    AlreadyThere,     ///< every map in it is in the new-maps or published folder already, byte for byte
};

struct Skipped {
    std::string what; ///< the dropped file's or folder's name, or "archive: entry" for an entry
    SkipReason reason;
    std::string where = {}; ///< for AlreadyThere: the folder that holds its maps
};

struct ImportReport {
    std::vector<std::string> addedMaps; ///< the file names of the map packages added, in order
    std::vector<Skipped> skipped;
};

/// Told how an unpacking goes; may cancel it.
class UnpackProgress {
public:
    virtual ~UnpackProgress() = default;
    /// `done` of the `total` bytes of `archive` (its path) are read. False cancels: what this
    /// archive wrote is removed, and nothing after it is added.
    virtual bool unpacking(const std::string& archive, std::uint64_t done, std::uint64_t total) = 0;
};

/// Adds each of `dropped` to `newMapsFolder` (an existing folder, without closing separator):
/// - a map package, with the companion files beside it, into its top level; a file whose name is
///   taken there (in any case) is skipped;
/// - a folder: every map file set in it, at any depth, into a new subfolder named after it,
///   keeping their layout; archives in it are unpacked there the same way;
/// - an archive (known by its content): unpacked whole into a new subfolder named after it
///   without its extension; archives inside it are unpacked in turn.
/// A subfolder name that is taken gets " (2)", " (3)", …. Each folder is put together in a
/// hidden temporary folder and renamed into place only when complete. The sources never change.
/// An archive or folder whose maps are all in `newMapsFolder` (at any depth) or in
/// `publishedFolder` already, byte for byte with their companions, is not placed again.
ImportReport importMaps(const std::vector<std::string>& dropped, const std::string& newMapsFolder,
                        UnpackProgress& progress, const std::string& publishedFolder = {});

} // namespace operations
