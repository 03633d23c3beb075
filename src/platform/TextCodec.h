#pragma once

#include <string>
#include <string_view>

/// Text from files and paths is bytes; widgets show Unicode. These two functions are the
/// only crossing between them.
namespace platform {

/// The bytes as UTF-8 for display: unchanged when they are valid UTF-8, else read as
/// Windows-1252 (on Windows: the ANSI code page).
std::string displayFromBytes(std::string_view bytes);

/// UTF-8 text typed by the user as the bytes that paths and files use.
std::string bytesFromDisplay(std::string_view utf8);

/// True when `bytes` are shown through the legacy code page (Windows-1252; on Windows the
/// ANSI code page) rather than as UTF-8.
bool isLegacyText(std::string_view bytes);

/// UTF-8 text as bytes of the legacy code page, for a file that was written in it; a
/// character the code page lacks becomes "?".
std::string legacyBytesFromDisplay(std::string_view utf8);

} // namespace platform
