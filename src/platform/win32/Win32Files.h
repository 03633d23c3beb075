#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <windows.h>

/// What the Windows sources share: names as the wide calls take them, and whole writes.
namespace platform {

/// UTF-8 text as UTF-16, and UTF-16 text as UTF-8: the program's names are UTF-8 everywhere,
/// the system's are UTF-16.
std::wstring wideFromUtf8(std::string_view utf8);
std::string utf8FromWide(std::wstring_view wide);

/// Text of `codePage` as UTF-16, every byte read as a character of it; nothing where a byte is none.
std::optional<std::wstring> wideFromCodePageExactly(std::string_view text, UINT codePage);

/// Text of the ANSI code page (the system's legacy one) as UTF-8.
std::string utf8FromAnsi(std::string_view ansi);

/// The UTF-8 path as the wide file calls take it: made full and written in the "\\?\" form,
/// so that a path of any length works.
std::wstring widePath(const std::string& path);

/// Writes all `size` bytes to `file`, in pieces the system takes; false when a write fails.
bool writeAll(HANDLE file, const void* bytes, std::size_t size);

} // namespace platform
