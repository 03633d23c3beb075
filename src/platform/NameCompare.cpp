#include "platform/NameCompare.h"

#include <algorithm>

namespace platform {

bool namesEqual(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return upperAscii(x) == upperAscii(y); });
}

} // namespace platform
