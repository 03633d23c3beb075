#pragma once

#include <string>
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
    /// True when `text` equals `upperLiteral` (upper-cased already) without regard to case.
    static bool equalsUpper(std::string_view text, std::string_view upperLiteral);

    std::string_view m_mask;
    bool m_everything = false;     ///< "*" or "*.*"
    bool m_oneStar = false;        ///< literal, one "*", literal: the masks of the map lists
    bool m_anyExtension = false;   ///< ends in ".*", which also matches a name without extension
    std::string m_prefix, m_suffix; ///< of a one-star mask, upper-cased
};

} // namespace platform
