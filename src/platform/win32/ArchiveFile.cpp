#include "platform/ArchiveFile.h"

#include "platform/win32/Win32Files.h"

#include <windows.h>

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

std::optional<std::string> nameFromUnknownCharset(std::string_view bytes)
{
    return utf8FromAnsi(bytes);
}

// Windows' C library and the archive reader use the wide names: nothing to switch.
Utf8NameConversions::Utf8NameConversions() = default;
Utf8NameConversions::~Utf8NameConversions() = default;

std::optional<std::string> nameFromOemCodePage(std::string_view bytes)
{
    if (bytes.empty())
        return std::string();
    const int length = MultiByteToWideChar(CP_OEMCP, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_OEMCP, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), wide.data(), length);
    return utf8FromWide(wide);
}

} // namespace platform
