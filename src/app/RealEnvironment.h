#pragma once

#include "app/Environment.h"

#include "dialogs/SystemFolderPicker.h"

/// The environment of the running program: the user's real folders, Qt's message boxes,
/// the system beep and the real folder picker.
class RealEnvironment : public Environment {
public:
    RealEnvironment();

    void beep() override;
    void showError(const QString& message) override;
    bool askYesNo(QWidget* parent, const QString& caption, const QString& text) override;
    void showMessage(QWidget* parent, const QString& text, const QString& details) override;
    FolderPicker& folderPicker() override { return m_picker; }

private:
    SystemFolderPicker m_picker;
};
