#pragma once

#include <string>
#include <utility>
#include <vector>

/// Archives that the tests make themselves, with the archive library.
struct ArchiveEntry {
    enum class Kind { File, Folder, Symlink, HardLink, Fifo };
    ArchiveEntry(std::string entryName, std::string entryBytes = {}, Kind entryKind = Kind::File, std::string linkTarget = {})
        : name(std::move(entryName)), bytes(std::move(entryBytes)), kind(entryKind), target(std::move(linkTarget))
    {
    }
    std::string name; ///< UTF-8, as the archive stores it (other bytes go in as they are)
    std::string bytes;
    Kind kind;
    std::string target; ///< of a link
};

/// Writes `entries` as an archive of `format` ("zip", "7zip" or "tar") to `path`; with a passphrase,
/// the zip's file entries are encrypted.
void writeArchive(const std::string& path, const std::string& format, const std::vector<ArchiveEntry>& entries,
                  const std::string& passphrase = {});
