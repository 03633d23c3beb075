#include "operations/SizeText.h"

#include <cstdio>
#include <cstdlib>

namespace operations {

namespace {

/// `value` rounded to 15 significant digits, as a plain decimal number with '.' and
/// without trailing zeros in the fraction (never in exponent form).
std::string plainDecimal(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value); // d.dddddddddddddde±x
    const std::string text(buffer);
    const bool negative = text[0] == '-';
    const std::size_t first = negative ? 1 : 0;
    const std::size_t e = text.find('e');
    std::string digits = text.substr(first, 1) + text.substr(first + 2, e - first - 2);
    const int exponent = std::atoi(text.c_str() + e + 1);

    std::string whole, fraction;
    if (exponent < 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (static_cast<std::size_t>(exponent) + 1 >= digits.size()) {
        whole = digits + std::string(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(exponent) + 1);
        fraction = digits.substr(static_cast<std::size_t>(exponent) + 1);
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (whole.size() > 1 && whole.front() == '0')
        whole.erase(0, whole.find_first_not_of('0') == std::string::npos ? whole.size() - 1 : whole.find_first_not_of('0'));
    std::string result = (negative ? "-" : "") + whole;
    if (!fraction.empty())
        result += "." + fraction;
    return result;
}

} // namespace

std::string sizeText(std::int64_t bytes, char decimalSeparator)
{
    std::string text = plainDecimal(static_cast<double>(bytes) / 1048576.0);
    const auto point = text.find('.');
    if (point != std::string::npos) {
        text[point] = decimalSeparator;
        text.resize(std::min(text.size(), point + 3));
    }
    return text + " MB";
}

} // namespace operations
