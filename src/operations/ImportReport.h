#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// What an import of dropped maps tells: why something was not added, the report of a whole
/// import, and the progress of one. The import and its helpers all speak it.
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

/// Where something passed over was, part by part: the dropped file's or folder's name, then the
/// folders below it and the entries of archives, each part as it was named (so that each can
/// be shown in its own character set) with what joins it to the part before.
struct ShownPath {
    struct Part {
        std::string_view join; ///< nothing for the first part, "/" below a folder, ": " inside an archive
        std::string name;
    };
    std::vector<Part> parts;

    explicit ShownPath(std::string first) : parts {{{}, std::move(first)}} {}
    ShownPath below(std::string name) const { return with("/", std::move(name)); }
    ShownPath inside(std::string entry) const { return with(": ", std::move(entry)); }
    /// The parts joined, as "folder/file" or "archive: entry".
    std::string text() const
    {
        std::string text;
        for (const Part& part : parts)
            text.append(part.join).append(part.name);
        return text;
    }

private:
    ShownPath with(std::string_view join, std::string name) const
    {
        ShownPath longer = *this;
        longer.parts.push_back({join, std::move(name)});
        return longer;
    }
};

struct Skipped {
    ShownPath what; ///< the dropped file or folder, or the entry of an archive in it
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

} // namespace operations
