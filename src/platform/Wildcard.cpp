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

WildcardMask::WildcardMask(std::string_view mask)
    : m_mask(mask), m_everything(mask == "*.*" || mask == "*"), m_anyExtension(mask.ends_with(".*"))
{
    const auto star = mask.find_first_of("*?");
    m_oneStar = star != std::string_view::npos && mask[star] == '*'
        && mask.find_first_of("*?", star + 1) == std::string_view::npos;
    if (m_oneStar) {
        m_prefix = upperCasedAscii(std::string(mask.substr(0, star)));
        m_suffix = upperCasedAscii(std::string(mask.substr(star + 1)));
    }
}

bool WildcardMask::equalsUpper(std::string_view text, std::string_view upperLiteral)
{
    for (std::size_t i = 0; i < upperLiteral.size(); ++i) {
        if (upperAscii(text[i]) != upperLiteral[i])
            return false;
    }
    return true;
}

bool WildcardMask::matches(std::string_view name) const
{
    if (m_everything)
        return true;
    // The extension, the last part, tells most names apart: it is compared first.
    if (m_oneStar ? name.size() >= m_prefix.size() + m_suffix.size()
                        && equalsUpper(name.substr(name.size() - m_suffix.size()), m_suffix)
                        && equalsUpper(name, m_prefix)
                  : globMatch(m_mask, name))
        return true;
    // "name.*" also finds "name": Windows treats a missing extension as an empty one.
    if (m_anyExtension && name.find('.') == std::string_view::npos)
        return globMatch(m_mask.substr(0, m_mask.size() - 2), name);
    return false;
}

bool wildcardMatch(std::string_view mask, std::string_view name)
{
    return WildcardMask(mask).matches(name);
}

} // namespace platform
