#pragma once

#include <string_view>

namespace platform {

/// Matches a file name against a wildcard mask as the Windows directory search does:
/// `*` any run of characters, `?` one character, letters without regard to case,
/// every other character (`[` and `]` included) literally. `*.*` matches every name,
/// and a mask ending in `.*` also matches a name without any extension.
bool wildcardMatch(std::string_view mask, std::string_view name);

/// A mask looked at once for the many names of a folder: `matches` answers as `wildcardMatch`.
class WildcardMask {
public:
    explicit WildcardMask(std::string_view mask);
    bool matches(std::string_view name) const;

private:
    std::string_view m_mask;
    bool m_everything = false; ///< "*" or "*.*"
    bool m_oneStar = false;    ///< literal, one "*", literal: the masks of the map lists
    std::string_view m_prefix, m_suffix;
};

} // namespace platform
