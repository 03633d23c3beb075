#pragma once

#include <cstddef>
#include <optional>
#include <string>

struct archive;
struct archive_entry;

namespace platform {

/// Opens the archive file `path` for `reader`, read in blocks of `blockBytes`, through the
/// archive library's call for this system's names (wide ones on Windows). ARCHIVE_OK, or the
/// library's answer when it cannot be opened.
int openArchiveFile(archive* reader, const std::string& path, std::size_t blockBytes);

/// The entry's name in UTF-8 where the archive says its character set or this system can read
/// it (on Windows: from the library's UTF-16 form); null where it is bytes of no known one.
std::optional<std::string> entryNameInUtf8(archive_entry* entry);

} // namespace platform
