#include "platform/TextCodec.h"

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
    return convert(utf8, CP_UTF8, CP_ACP);
}

} // namespace platform
