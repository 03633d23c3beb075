#include "platform/TextCodec.h"

#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace platform {

namespace {

/// UTF-8 text in the ANSI code page, every character as itself: nothing when one has no place
/// there (no "?" and no look-alike put in its stead).
std::optional<std::string> exactAnsiFromUtf8(std::string_view utf8)
{
    if (utf8.empty())
        return std::string();
    const auto wideText = wideFromCodePageExactly(utf8, CP_UTF8);
    if (!wideText)
        return std::nullopt;
    const std::wstring& text = *wideText;
    const int wide = static_cast<int>(text.size());
    BOOL lost = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wide, nullptr, 0, nullptr, &lost);
    if (size <= 0 || lost)
        return std::nullopt;
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wide, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

} // namespace

std::string displayFromBytes(std::string_view bytes)
{
    return std::string(bytes); // names and messages are UTF-8 here
}

std::string bytesFromDisplay(std::string_view utf8)
{
    return std::string(utf8);
}

std::string displayFromText(std::string_view bytes)
{
    return utf8FromAnsi(bytes);
}

bool isUtf8OnlyText(std::string_view)
{
    return false; // every such file is in the ANSI code page here
}

std::optional<std::string> legacyBytesFromDisplay(std::string_view utf8)
{
    return exactAnsiFromUtf8(utf8);
}

std::string namesFromSettingsLine(std::string_view line)
{
    return utf8FromAnsi(line);
}

std::optional<std::string> settingsLineFromNames(std::string_view names)
{
    return exactAnsiFromUtf8(names);
}

} // namespace platform
