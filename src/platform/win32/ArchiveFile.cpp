#include "platform/ArchiveFile.h"

#include "platform/win32/Win32Files.h"

#include <windows.h>

#include <clocale>
#include <cstdint>
#include <locale.h>

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

// The program runs in the C library's "C" locale, in which the archive reader would take each
// byte of a name for the character of that number; the system's locale makes it read them in
// the OEM code page (names of no stated character set) and the ANSI one. On this thread only.
ArchiveNameConversions::ArchiveNameConversions()
    : m_previous(reinterpret_cast<void*>(static_cast<std::intptr_t>(_configthreadlocale(_ENABLE_PER_THREAD_LOCALE))))
{
    const char* locale = setlocale(LC_CTYPE, nullptr);
    m_conversions = new std::string(locale ? locale : "C");
    setlocale(LC_CTYPE, "");
}

ArchiveNameConversions::~ArchiveNameConversions()
{
    auto* locale = static_cast<std::string*>(m_conversions);
    setlocale(LC_CTYPE, locale->c_str());
    delete locale;
    _configthreadlocale(static_cast<int>(reinterpret_cast<std::intptr_t>(m_previous)));
}

std::optional<std::string> nameFromOemCodePage(std::string_view bytes)
{
    const auto wide = wideFromCodePageExactly(bytes, CP_OEMCP);
    return wide ? std::optional(utf8FromWide(*wide)) : std::nullopt;
}

} // namespace platform
