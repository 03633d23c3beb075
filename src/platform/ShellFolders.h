#pragma once

#include <string>

/// The user's folders as the desktop shell names them. Empty when the shell names none.
namespace platform {

std::string documentsFolder();
std::string desktopFolder();

} // namespace platform
