#include "platform/Wildcard.h"

#include "platform/NameCompare.h"

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

} // namespace

bool wildcardMatch(std::string_view mask, std::string_view name)
{
    if (mask == "*.*" || mask == "*")
        return true;
    if (globMatch(mask, name))
        return true;
    // "name.*" also finds "name": Windows treats a missing extension as an empty one.
    if (mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*"
        && name.find('.') == std::string_view::npos)
        return globMatch(mask.substr(0, mask.size() - 2), name);
    return false;
}

} // namespace platform
