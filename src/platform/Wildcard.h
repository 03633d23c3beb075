#pragma once

#include <string_view>

namespace platform {

/// Matches a file name against a wildcard mask as the Windows directory search does:
/// `*` any run of characters, `?` one character, letters without regard to case,
/// every other character (`[` and `]` included) literally. `*.*` matches every name,
/// and a mask ending in `.*` also matches a name without any extension.
bool wildcardMatch(std::string_view mask, std::string_view name);

} // namespace platform
