#include "platform/NameCompare.h"

#include <algorithm>

namespace platform {

bool namesEqual(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return upperAscii(x) == upperAscii(y); });
}

bool nameLess(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(upperAscii(x)) < static_cast<unsigned char>(upperAscii(y));
    });
}

} // namespace platform
