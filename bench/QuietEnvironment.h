#pragma once

#include "app/Environment.h"
#include "dialogs/fldbrows.h"

#include <QString>

#include <optional>
#include <string>

/// An environment that answers every question with "yes" and records nothing.
class QuietEnvironment : public Environment, public FolderPicker {
public:
    using Environment::Environment;
    void beep() override {}
    void showError(const QString& message) override;
    bool askYesNo(QWidget*, const QString&, const QString&) override { return true; }
    void showMessage(QWidget*, const QString&, const QString&) override {}
    FolderPicker& folderPicker() override { return *this; }
    std::optional<std::string> pickFolder(const TFolderBrowser&) override { return std::nullopt; }
};
