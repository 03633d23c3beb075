#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

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

/// While an object lives, the C library on this thread turns names into and out of UTF-8
/// whatever the program's locale (archive readers name entries through it).
class Utf8NameConversions {
public:
    Utf8NameConversions();
    ~Utf8NameConversions();
    Utf8NameConversions(const Utf8NameConversions&) = delete;
    Utf8NameConversions& operator=(const Utf8NameConversions&) = delete;

private:
    void* m_previous = nullptr;
    void* m_utf8 = nullptr;
};

/// The name of a file or folder in a file name that need not be UTF-8: kept as it is on Linux,
/// which holds any bytes; on Windows read as text of the ANSI code page, as the archive
/// formats without a character set mean it, and given in UTF-8.
std::optional<std::string> nameFromUnknownCharset(std::string_view bytes);

/// The name of a zip entry that is no UTF-8 and has no Unicode form, read in the player's OEM
/// code page as Windows' own unzipping reads it (on Windows the system's; elsewhere the one
/// Windows pairs with the language of the locale: 866 for Russian, 850 for the western European
/// languages, else 437), in UTF-8; nothing where the system cannot convert it.
std::optional<std::string> nameFromOemCodePage(std::string_view bytes);

} // namespace platform
