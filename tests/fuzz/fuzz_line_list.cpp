// The line-list reader: any bytes split into lines that survive writing and reading again.

#include "settings/LineList.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LineList lines = settings::parseLines(text);
    for (const auto& line : lines) {
        if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            std::abort(); // a line never holds a break or a NUL
    }
    if (settings::parseLines(settings::joinLines(lines)) != lines)
        std::abort();
    if (text.find('\0') == std::string_view::npos && lines.size() > text.size())
        std::abort();
    return 0;
}
