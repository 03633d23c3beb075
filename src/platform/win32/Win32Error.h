#pragma once

#include <string>

namespace platform {

/// The system's own text for the calling thread's last error, without the closing line break.
std::string lastErrorMessage();

/// A new, empty file with a unique name in the folder of `target`; its path, or empty when
/// none could be made.
std::string temporaryFileBeside(const std::string& target);

} // namespace platform
