#pragma once

#include <cstddef>
#include <string>

struct archive;

namespace platform {

/// Opens the archive file `path` for `reader`, read in blocks of `blockBytes`, through the
/// archive library's call for this system's names (wide ones on Windows). ARCHIVE_OK, or the
/// library's answer when it cannot be opened.
int openArchiveFile(archive* reader, const std::string& path, std::size_t blockBytes);

} // namespace platform
