#include "operations/IniText.h"

#include "platform/TextCodec.h"
#include "platform/Utf8.h"
#include "settings/LineList.h"

#include <algorithm>

namespace operations {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

bool isPlainAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

/// UTF-16 (without its mark) as UTF-8; a lone surrogate or odd closing byte becomes U+FFFD.
std::string utf8FromUtf16(std::string_view bytes, bool bigEndian)
{
    const auto unit = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    std::string out;
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t code = unit(i);
        if (code >= 0xD800 && code <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        platform::appendUtf8(out, code);
    }
    if (i < bytes.size())
        platform::appendUtf8(out, 0xFFFD);
    return out;
}

/// UTF-8 as UTF-16 with its mark; nothing for bytes that are no UTF-8.
std::optional<std::string> utf16FromUtf8(std::string_view utf8, bool bigEndian)
{
    std::string out(bigEndian ? kUtf16BeMark : kUtf16LeMark);
    const auto put = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const auto decoded = platform::nextCodePoint(utf8, i, platform::Utf8Reading::Strict);
        if (!decoded)
            return std::nullopt;
        const char32_t code = *decoded;
        if (code >= 0x10000) {
            put(0xD800 + ((code - 0x10000) >> 10));
            put(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            put(code);
        }
    }
    return out;
}

} // namespace

IniText IniText::fromFile(std::string_view bytes)
{
    IniText ini;
    if (bytes.starts_with(kUtf16LeMark) || bytes.starts_with(kUtf16BeMark)) {
        const bool bigEndian = bytes.starts_with(kUtf16BeMark);
        ini.m_encoding = bigEndian ? Encoding::Utf16Be : Encoding::Utf16Le;
        ini.m_bytes = std::string(bytes);
        ini.m_text = settings::withCrLfBreaks(utf8FromUtf16(bytes.substr(2), bigEndian));
        return ini;
    }
    ini.m_bytes = settings::withCrLfBreaks(bytes);
    if (platform::isUtf8OnlyText(ini.m_bytes)) {
        ini.m_encoding = Encoding::Utf8;
        ini.m_byteOrderMark = ini.m_bytes.starts_with(kUtf8Mark);
        ini.m_text = ini.m_bytes.substr(ini.m_byteOrderMark ? kUtf8Mark.size() : 0);
    } else {
        ini.m_encoding = isPlainAscii(ini.m_bytes) ? Encoding::Open : Encoding::Legacy;
        ini.m_text = platform::displayFromText(ini.m_bytes);
    }
    return ini;
}

std::optional<IniText> IniText::fromNewText(std::string_view utf8)
{
    const auto bytes = IniText().bytesFor(utf8);
    if (!bytes)
        return std::nullopt;
    return fromFile(*bytes);
}

std::optional<std::string> IniText::bytesFor(std::string_view utf8) const
{
    switch (m_encoding) {
    case Encoding::Utf8:
        return std::string(m_byteOrderMark ? kUtf8Mark : "") + std::string(utf8);
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        return utf16FromUtf8(utf8, m_encoding == Encoding::Utf16Be);
    case Encoding::Legacy:
        return platform::legacyBytesFromDisplay(utf8);
    case Encoding::Open:
        break;
    }
    if (auto legacy = platform::legacyBytesFromDisplay(utf8))
        return legacy;
    if (platform::isUtf8OnlyText(utf8))
        return std::string(utf8);
    // Where UTF-8 text would read back as the code page's (Windows): UTF-16 with its mark.
    return utf16FromUtf8(utf8, false);
}

} // namespace operations
