#include "platform/ArchiveFile.h"

#include <archive.h>

namespace platform {

int openArchiveFile(archive* reader, const std::string& path, std::size_t blockBytes)
{
    return archive_read_open_filename(reader, path.c_str(), blockBytes);
}

} // namespace platform
