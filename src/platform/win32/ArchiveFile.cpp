#include "platform/ArchiveFile.h"

#include "platform/win32/Win32Files.h"

#include <archive.h>
#include <archive_entry.h>

namespace platform {

int openArchiveFile(archive* reader, const std::string& path, std::size_t blockBytes)
{
    return archive_read_open_filename_w(reader, widePath(path).c_str(), blockBytes);
}

std::optional<std::string> entryNameInUtf8(archive_entry* entry)
{
    // The library keeps Unicode names in UTF-16 here and gives no UTF-8 form of those.
    const wchar_t* name = archive_entry_pathname_w(entry);
    if (!name)
        return std::nullopt;
    // It gives a name with a drive in the "\\?\" form: the archive's own is without it.
    std::wstring_view wide = name;
    if (wide.starts_with(L"//?/") || wide.starts_with(L"\\\\?\\"))
        wide.remove_prefix(4);
    return utf8FromWide(wide);
}

} // namespace platform
