#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// Questions about single files and folders.
namespace platform {

/// True when a file (not a folder) exists at `path`.
bool fileExists(const std::string& path);

/// True when something that is neither a file nor a folder is at `path`: a device, a named
/// pipe, a socket. Opening one may wait for ever; nothing here opens one.
bool isSpecialFile(const std::string& path);

/// True when the file at `path` is marked read-only (on Windows its attribute; on Linux no
/// write permission for anyone), so that no save replaces it and no delete removes it.
bool isReadOnlyFile(const std::string& path);

/// True when `name` can be the name of a file or folder on this system (on Windows: none of
/// the characters it forbids, no closing dot or space, no device name such as "CON" or
/// "NUL .txt").
bool canHoldName(std::string_view name);

/// True when a folder exists at `path`.
bool folderExists(const std::string& path);

/// The path under which the file named like `path`, whatever the case of its last
/// component, really exists; nothing when there is none. An exact match is preferred.
std::optional<std::string> findIgnoringCase(const std::string& path);

/// The path of the file (not a folder) named like `path`, whatever the case of its last
/// component; nothing when there is none.
inline std::optional<std::string> findFileIgnoringCase(const std::string& path)
{
    const auto found = findIgnoringCase(path);
    return found && fileExists(*found) ? found : std::nullopt;
}

/// For each of `names`, the name under which a file so named, whatever its case, exists in
/// `folder` (which ends in the separator), an exact match preferred; nothing for a name with
/// none. One reading of the folder answers them all.
std::vector<std::optional<std::string>> findAllIgnoringCase(const std::string& folder,
                                                            const std::vector<std::string>& names);

/// The path of the file named like `path` as it is on disk, whatever the case of its last
/// component; `path` itself when there is none.
inline std::string nameOnDisk(const std::string& path)
{
    return findIgnoringCase(path).value_or(path);
}

/// `base` followed by `relative` (folders joined by the separator, starting with one), each
/// folder of `relative` spelt as it is on disk where it exists in another case.
std::string pathOnDiskBelow(const std::string& base, const std::string& relative);

/// The short (8.3) form of the existing `path` on Windows, whose names are in plain letters
/// where the long ones have characters of other scripts, and the long form of a short one;
/// `path` itself where there is none (and on Linux).
std::string shortPathOf(const std::string& path);
std::string longPathOf(const std::string& path);

/// The size of a file in bytes. Opens the file for reading while others may read and
/// write it; throws FileOpenError when that fails. A failed size query gives 0.
std::int64_t fileSize(const std::string& path);

/// The size as `fileSize` tells it; 0 where it cannot be told (reading the file then tells what
/// is wrong).
inline std::uint64_t fileSizeOrZero(const std::string& path)
{
    try {
        return static_cast<std::uint64_t>(fileSize(path));
    } catch (const std::exception&) {
        return 0;
    }
}

} // namespace platform
