#pragma once

#include "dialogs/fldbrows.h"

/// The folder picker on systems without the Windows shell: a modal window with the folder
/// tree that keeps the shell picker's contract (title, initial folder, status line, OK only
/// for folders holding a filter match, position).
class FolderPickerWindow : public FolderPicker {
public:
    std::optional<std::string> pickFolder(const TFolderBrowser& browser) override;
};
