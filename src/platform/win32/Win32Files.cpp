#include "platform/win32/Win32Files.h"

#include <optional>

namespace platform {

namespace {

/// Text in the code page `codePage` as UTF-16.
/// `text` of `codePage` as UTF-16; with `flags` MB_ERR_INVALID_CHARS, nothing for bytes that are
/// none of that code page.
std::optional<std::wstring> wideFromCodePage(std::string_view text, UINT codePage, DWORD flags)
{
    if (text.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

} // namespace

std::optional<std::wstring> wideFromCodePageExactly(std::string_view text, UINT codePage)
{
    return wideFromCodePage(text, codePage, MB_ERR_INVALID_CHARS);
}

std::wstring wideFromUtf8(std::string_view utf8)
{
    return wideFromCodePage(utf8, CP_UTF8, 0).value_or(std::wstring());
}

std::string utf8FromAnsi(std::string_view ansi)
{
    return utf8FromWide(wideFromCodePage(ansi, CP_ACP, 0).value_or(std::wstring()));
}

std::string utf8FromWide(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring widePath(const std::string& path)
{
    const std::wstring wide = wideFromUtf8(path);
    if (wide.empty() || wide.starts_with(L"\\\\?\\") || wide.starts_with(L"\\\\.\\"))
        return wide;
    // The "\\?\" form is taken as it stands: no relative parts, no "/", so the full path first.
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0)
            return wide;
        if (length < full.size()) {
            full.resize(length);
            break;
        }
        full.resize(length);
    }
    if (full.starts_with(L"\\\\"))
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

bool writeAll(HANDLE file, const void* bytes, std::size_t size)
{
    const char* at = static_cast<const char*>(bytes);
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, at, chunk, &written, nullptr) || written == 0)
            return false;
        at += written;
        size -= written;
    }
    return true;
}

} // namespace platform
