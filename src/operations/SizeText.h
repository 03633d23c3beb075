#pragma once

#include <cstdint>
#include <string>

namespace operations {

/// The size text of a byte total in mebibytes: at most two decimals, cut (never rounded
/// up), no trailing zeros, `decimalSeparator` between the whole and the fraction, " MB"
/// appended. 12945678 bytes with ',' give "12,34 MB".
std::string sizeText(std::int64_t bytes, char decimalSeparator);

} // namespace operations
