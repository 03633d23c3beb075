#include "platform/ArchiveFile.h"

#include <archive.h>
#include <archive_entry.h>

#include <array>
#include <cstdlib>
#include <string_view>

#include <iconv.h>
#include <locale.h>

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

std::optional<std::string> nameFromUnknownCharset(std::string_view bytes)
{
    return std::string(bytes);
}

Utf8NameConversions::Utf8NameConversions()
{
    const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (utf8) {
        m_utf8 = utf8;
        m_previous = uselocale(utf8);
    }
}

Utf8NameConversions::~Utf8NameConversions()
{
    if (m_utf8) {
        uselocale(static_cast<locale_t>(m_previous));
        freelocale(static_cast<locale_t>(m_utf8));
    }
}
namespace {

/// The OEM code page Windows pairs with the language of the locale the program runs in.
const char* oemCodePageOfLocale()
{
    const char* locale = nullptr;
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        locale = std::getenv(variable);
        if (locale && *locale)
            break;
    }
    const std::string_view language = std::string_view(locale ? locale : "").substr(0, 2);
    if (language == "ru" || language == "uk" || language == "be")
        return "IBM866";
    constexpr std::array<std::string_view, 12> western {"de", "fr", "es", "it", "pt", "nl", "da", "sv", "nb", "no", "fi", "is"};
    for (const std::string_view other : western) {
        if (language == other)
            return "IBM850";
    }
    return "IBM437";
}

} // namespace

std::optional<std::string> nameFromOemCodePage(std::string_view bytes)
{
    const iconv_t converter = iconv_open("UTF-8", oemCodePageOfLocale());
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string in(bytes), out(bytes.size() * 4, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t left = in.size(), room = out.size();
    const bool converted = iconv(converter, &from, &left, &to, &room) != static_cast<std::size_t>(-1);
    iconv_close(converter);
    if (!converted)
        return std::nullopt;
    out.resize(out.size() - room);
    return out;
}

} // namespace platform
