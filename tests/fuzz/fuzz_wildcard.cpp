// The wildcard matcher against a plain reference: a table over all prefixes of mask and name.

#include "platform/Wildcard.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

/// matches[i][j]: the first i characters of the mask match the first j of the name.
bool reference(std::string_view mask, std::string_view name)
{
    std::vector<std::vector<bool>> matches(mask.size() + 1, std::vector<bool>(name.size() + 1, false));
    matches[0][0] = true;
    for (std::size_t i = 1; i <= mask.size(); ++i) {
        for (std::size_t j = 0; j <= name.size(); ++j) {
            const char m = mask[i - 1];
            if (m == '*')
                matches[i][j] = matches[i - 1][j] || (j > 0 && matches[i][j - 1]);
            else if (j > 0)
                matches[i][j] = matches[i - 1][j - 1] && (m == '?' || upper(m) == upper(name[j - 1]));
        }
    }
    return matches[mask.size()][name.size()];
}

bool windowsReference(std::string_view mask, std::string_view name)
{
    if (mask == "*" || mask == "*.*" || reference(mask, name))
        return true;
    return mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*" && name.find('.') == std::string_view::npos
        && reference(mask.substr(0, mask.size() - 2), name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input is mask, NUL, name.
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto cut = input.find('\0');
    if (cut == std::string_view::npos || input.size() > 400)
        return 0;
    const std::string_view mask = input.substr(0, cut);
    const std::string_view name = input.substr(cut + 1);
    if (platform::wildcardMatch(mask, name) != windowsReference(mask, name))
        std::abort();
    return 0;
}
