#pragma once

#include <optional>
#include <string>
#include <string_view>

/// Names and the program's own messages are UTF-8 inside the program on every system (on
/// Linux the bytes a file name has, mostly UTF-8); the texts the game reads (config.ini, the
/// language files, INI files) are in the legacy code page. These functions are the crossings.
namespace platform {

/// A name or message for display: unchanged when it is valid UTF-8, else (a Linux file name
/// of another character set) read as Windows-1252.
std::string displayFromBytes(std::string_view bytes);

/// UTF-8 text typed by the user as the bytes that names use.
std::string bytesFromDisplay(std::string_view utf8);

/// Text of a file in the legacy code page (a language file, an INI file) for display: on
/// Windows read in the ANSI code page; on Linux as `displayFromBytes`.
std::string displayFromText(std::string_view bytes);

/// True when `bytes` are UTF-8 text that the legacy code page (Windows-1252; on Windows the
/// ANSI code page) would show otherwise: valid UTF-8 with at least one non-ASCII character.
/// Always false on Windows, where every such file is in the ANSI code page.
bool isUtf8OnlyText(std::string_view bytes);

/// UTF-8 text as bytes of the legacy code page, the one the game reads; nothing when a
/// character is not in it (on Windows: the ANSI code page).
std::optional<std::string> legacyBytesFromDisplay(std::string_view utf8);

/// A line of config.ini as the program holds it: names in their inside form (on Windows the
/// ANSI text as UTF-8; on Linux the bytes themselves), and back; nothing when the ANSI code
/// page has no place for one of its characters.
std::string namesFromSettingsLine(std::string_view line);
std::optional<std::string> settingsLineFromNames(std::string_view names);

} // namespace platform
