#pragma once

#include "dialogs/fldbrows.h"

#include <string>

/// The folder picker of the system the program runs on: the Windows shell's picker
/// (SHBrowseForFolderW), elsewhere the desktop's own folder dialog.
class SystemFolderPicker : public FolderPicker {
public:
    /// `desktopFolder` is where a browse without initial folder opens (the tree's default root).
    explicit SystemFolderPicker(std::string desktopFolder) : m_desktopFolder(std::move(desktopFolder)) {}

    std::optional<std::string> pickFolder(const TFolderBrowser& browser) override;

private:
    std::string m_desktopFolder;
};
