#pragma once

namespace platform {

/// True when input from the user (keys, the mouse) waits for the program: on Windows, where
/// install all reads its lists again before input reaches them; elsewhere always false, as
/// nothing there needs to know it.
bool inputWaiting();

} // namespace platform
