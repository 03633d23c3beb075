#pragma once

#include <string>

namespace platform {

/// The folder of the running executable, without a closing separator.
std::string programFolder();

} // namespace platform
