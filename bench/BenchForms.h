#pragma once

#include "BenchWorld.h"

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

/// A program folder with the English language file and a settings file naming the new-maps
/// folder, plus the documents folder with the game's map folders.
struct BenchProgramWorld {
    explicit BenchProgramWorld(const std::string& copyOption = "false");
    BenchFolder root;
    std::string program, documents, newMaps, published, unpublished;
};
