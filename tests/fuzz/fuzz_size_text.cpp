// The size text: for any byte total a plain decimal number of mebibytes, cut after two
// decimals, that reads back within one hundredth of the true value.

#include "operations/SizeText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(std::int64_t))
        return 0;
    std::int64_t bytes;
    std::memcpy(&bytes, data, sizeof bytes);
    if (bytes < 0)
        bytes = -(bytes + 1);
    const std::string text = operations::sizeText(bytes, ',');
    if (text.size() < 4 || text.substr(text.size() - 3) != " MB")
        std::abort();
    const std::string number = text.substr(0, text.size() - 3);
    if (number.find_first_not_of("0123456789,") != std::string::npos || number.front() == ',')
        std::abort();
    const auto comma = number.find(',');
    if (comma != std::string::npos && (number.size() - comma - 1 < 1 || number.size() - comma - 1 > 2))
        std::abort();
    std::string dotted = number;
    if (comma != std::string::npos)
        dotted[comma] = '.';
    const double shown = std::strtod(dotted.c_str(), nullptr);
    const double value = static_cast<double>(bytes) / 1048576.0;
    if (shown > value * (1 + 1e-14) || value - shown >= 0.01 + value * 1e-14)
        std::abort();
    return 0;
}
