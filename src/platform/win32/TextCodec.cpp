#include "platform/TextCodec.h"

#include "platform/win32/AnsiText.h"

#include <windows.h>

namespace platform {

namespace {

std::string convert(std::string_view text, UINT from, UINT to)
{
    if (text.empty())
        return {};
    const int wide = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring buffer(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), buffer.data(), wide);
    const int narrow = WideCharToMultiByte(to, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(narrow), '\0');
    WideCharToMultiByte(to, 0, buffer.data(), wide, result.data(), narrow, nullptr, nullptr);
    return result;
}

} // namespace

std::string displayFromBytes(std::string_view bytes)
{
    return convert(bytes, CP_ACP, CP_UTF8);
}

std::string bytesFromDisplay(std::string_view utf8)
{
    return convert(utf8, CP_UTF8, CP_ACP);
}

bool isUtf8OnlyText(std::string_view)
{
    return false; // every text is in the ANSI code page here
}

std::optional<std::string> legacyBytesFromDisplay(std::string_view utf8)
{
    return exactAnsiFromUtf8(utf8);
}

std::optional<std::string> exactAnsiFromUtf8(std::string_view utf8)
{
    if (utf8.empty())
        return std::string();
    const int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (wide <= 0)
        return std::nullopt;
    std::wstring text(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), wide);
    BOOL lost = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wide, nullptr, 0, nullptr, &lost);
    if (size <= 0 || lost)
        return std::nullopt;
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wide, ansi.data(), size, nullptr, nullptr);
    return ansi;
}

} // namespace platform
