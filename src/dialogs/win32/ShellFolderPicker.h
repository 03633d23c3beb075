#pragma once

#include "dialogs/fldbrows.h"

#include <windows.h>

/// The Windows shell's folder picker (SHBrowseForFolderA) for a TFolderBrowser.
class ShellFolderPicker : public FolderPicker {
public:
    std::optional<std::string> pickFolder(const TFolderBrowser& browser) override;
};

/// Answers the picker's messages for the browser passed as callback data: initial folder,
/// OK only for folders holding a filter match, status line, position. Always returns 0.
int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM parameter, LPARAM data);

/// Releases an item id list with the shell's allocator and sets it to none; leaves it as it
/// is when the allocator cannot be obtained.
void FreeItemIdList(void*& list);
