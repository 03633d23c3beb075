#pragma once

#include <string>

namespace platform {

/// The system's own text for the calling thread's last error, without the closing line break.
std::string lastErrorMessage();

} // namespace platform
