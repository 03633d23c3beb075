#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

/// UTF-8 text in the ANSI code page, every character as itself: nothing when one has no place
/// there (no "?" and no look-alike put in its stead).
std::optional<std::string> exactAnsiFromUtf8(std::string_view utf8);

} // namespace platform
