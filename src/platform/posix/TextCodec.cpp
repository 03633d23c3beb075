#include "platform/TextCodec.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

/// Code points of the bytes 0x80 to 0x9F in Windows-1252; the five unassigned bytes
/// map to the C1 controls of the same value, so that every byte survives a round trip.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

std::string displayFromBytes(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        appendUtf8(out, c >= 0x80 && c < 0xA0 ? kWindows1252High[c - 0x80] : char32_t(c));
    }
    return out;
}

std::string bytesFromDisplay(std::string_view utf8)
{
    // File names on this system are UTF-8 already.
    return std::string(utf8);
}

std::string displayFromText(std::string_view bytes)
{
    return displayFromBytes(bytes);
}

std::string namesFromSettingsLine(std::string_view line)
{
    // config.ini holds names as the file system has them.
    return std::string(line);
}

std::optional<std::string> settingsLineFromNames(std::string_view names)
{
    return std::string(names);
}

bool isUtf8OnlyText(std::string_view bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })
        && isValidUtf8(bytes);
}

std::optional<std::string> legacyBytesFromDisplay(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t code = *nextCodePoint(utf8, i, Utf8Reading::Lenient);
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
            out += static_cast<char>(code);
            continue;
        }
        const auto* high = std::find(std::begin(kWindows1252High), std::end(kWindows1252High), code);
        if (high == std::end(kWindows1252High))
            return std::nullopt;
        out += static_cast<char>(0x80 + (high - kWindows1252High));
    }
    return out;
}

} // namespace platform
