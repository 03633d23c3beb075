#include "platform/ArchiveFile.h"

#include "platform/win32/Win32Files.h"

#include <archive.h>

namespace platform {

int openArchiveFile(archive* reader, const std::string& path, std::size_t blockBytes)
{
    return archive_read_open_filename_w(reader, widePath(path).c_str(), blockBytes);
}

} // namespace platform
