#include "platform/Wildcard.h"

#include "platform/NameCompare.h"

#include <optional>

namespace platform {

namespace {

/// Iterative glob match with single-star backtracking: linear in practice,
/// never exponential, whatever the mask.
bool globMatch(std::string_view mask, std::string_view name)
{
    std::size_t m = 0, n = 0;
    std::size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == '?' || upperAscii(mask[m]) == upperAscii(name[n]))) {
            ++m;
            ++n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

/// True for text equal to `literal` without regard to case.
bool equalsIgnoringCase(std::string_view text, std::string_view literal)
{
    return text.size() == literal.size() && namesEqual(text, literal);
}

/// The match of a mask with one star between two literals ("*.vsm", "DM*.vsm": the masks of the
/// map lists), without the general search; nothing for any other mask.
std::optional<bool> oneStarMatch(std::string_view mask, std::string_view name)
{
    const auto star = mask.find_first_of("*?");
    if (star == std::string_view::npos || mask[star] != '*'
        || mask.find_first_of("*?", star + 1) != std::string_view::npos)
        return std::nullopt;
    const std::string_view prefix = mask.substr(0, star), suffix = mask.substr(star + 1);
    return name.size() >= prefix.size() + suffix.size() && equalsIgnoringCase(name.substr(0, prefix.size()), prefix)
        && equalsIgnoringCase(name.substr(name.size() - suffix.size()), suffix);
}

} // namespace

bool wildcardMatch(std::string_view mask, std::string_view name)
{
    if (mask == "*.*" || mask == "*")
        return true;
    const auto quick = oneStarMatch(mask, name);
    if (quick ? *quick : globMatch(mask, name))
        return true;
    // "name.*" also finds "name": Windows treats a missing extension as an empty one.
    if (mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*"
        && name.find('.') == std::string_view::npos)
        return globMatch(mask.substr(0, mask.size() - 2), name);
    return false;
}

} // namespace platform
