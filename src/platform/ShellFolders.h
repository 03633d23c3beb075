#pragma once

#include <string>

/// The user's folders as the desktop shell names them. Empty when the shell names none.
namespace platform {

std::string documentsFolder();
std::string desktopFolder();

/// The user's own folder for this program's settings, for when the program's folder cannot be
/// written: "%APPDATA%\VSM Map Manager" on Windows, "$XDG_CONFIG_HOME/vsm-map-manager" (else
/// "~/.config/vsm-map-manager") elsewhere. Not created here.
std::string userSettingsFolder();

} // namespace platform
