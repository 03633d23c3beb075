#pragma once

#include "dialogs/fldbrows.h"

#include <windows.h>

/// Answers the shell picker's messages for the browser passed as callback data: initial
/// folder, OK only for folders holding a filter match, status line, position. Always 0.
int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM parameter, LPARAM data);
