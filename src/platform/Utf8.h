#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

/// Appends the UTF-8 form of the code point `code` (at most U+10FFFF) to `out`.
inline void appendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

/// How a reading of UTF-8 treats bytes that are none: `Strict` refuses them (checking where
/// text comes from outside); `Lenient` reads text known to be UTF-8 (from a widget) without
/// checking again.
enum class Utf8Reading { Strict, Lenient };

/// The code point that starts at `at` in `utf8`, `at` moved past it; nothing (strict) where the
/// bytes there are no UTF-8: a stray or missing continuation byte, a longer form than needed,
/// a surrogate or a code point past U+10FFFF.
inline std::optional<char32_t> nextCodePoint(std::string_view utf8, std::size_t& at, Utf8Reading reading)
{
    const auto c = static_cast<unsigned char>(utf8[at]);
    const std::size_t length = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    const bool strict = reading == Utf8Reading::Strict;
    if (length == 0 || at + length > utf8.size()) {
        at += length == 0 ? 1 : utf8.size() - at;
        return strict ? std::nullopt : std::optional<char32_t>(0xFFFD);
    }
    char32_t code = length == 1 ? c : c & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[at + k]);
        if (strict && (next & 0xC0) != 0x80)
            return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    at += length;
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (strict && (code < kShortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)))
        return std::nullopt;
    return code;
}

/// True when `bytes` are UTF-8 throughout.
inline bool isValidUtf8(std::string_view bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        if (!nextCodePoint(bytes, at, Utf8Reading::Strict))
            return false;
    }
    return true;
}

} // namespace platform
