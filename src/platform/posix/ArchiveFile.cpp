#include "platform/ArchiveFile.h"

#include <archive.h>
#include <archive_entry.h>

namespace platform {

int openArchiveFile(archive* reader, const std::string& path, std::size_t blockBytes)
{
    return archive_read_open_filename(reader, path.c_str(), blockBytes);
}

std::optional<std::string> entryNameInUtf8(archive_entry* entry)
{
    const char* name = archive_entry_pathname_utf8(entry);
    return name ? std::optional<std::string>(name) : std::nullopt;
}

} // namespace platform
