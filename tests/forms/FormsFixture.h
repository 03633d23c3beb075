#pragma once

#include "app/Display.h"
#include "app/Environment.h"
#include "app/Forms.h"
#include "dialogs/fldbrows.h"
#include "settings/LineList.h"
#include "TempFolder.h"

#include <QStringList>

class PathListView;

#include <deque>
#include <memory>
#include <optional>
#include <string>

/// An environment that records what the program asked of the user and answers from queues.
class FakeEnvironment : public Environment, public FolderPicker {
public:
    FakeEnvironment(std::string program, std::string documents, std::string desktop, std::string settings)
        : Environment(std::move(program), std::move(documents), std::move(desktop), std::move(settings))
    {
    }

    void beep() override { ++beeps; }
    void showError(const QString& message) override { errors.append(message); }
    bool askYesNo(QWidget*, const QString& caption, const QString& text) override
    {
        questions.append(caption + QLatin1Char('|') + text);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }
    void showMessage(QWidget*, const QString& text, const QString& details) override
    {
        messages.append(text);
        messageDetails.append(details);
    }
    FolderPicker& folderPicker() override { return *this; }
    std::optional<std::string> pickFolder(const TFolderBrowser& browser) override
    {
        pickerTitles.append(toDisplay(browser.Title));
        auto answer = pickerAnswers.empty() ? std::nullopt : pickerAnswers.front();
        if (!pickerAnswers.empty())
            pickerAnswers.pop_front();
        return answer;
    }

    int beeps = 0;
    QStringList errors;
    QStringList questions;
    QStringList messages;
    QStringList messageDetails; ///< what each message had behind its details button
    QStringList pickerTitles;
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> pickerAnswers;
};

/// A temporary world for one test: program folder with the shipped language files,
/// documents folder with the game's map folders, desktop and new-maps folder.
class World {
public:
    World();

    TempFolder root;
    std::string program;
    std::string documents;
    std::string desktop;
    std::string newMaps;
    std::string published;
    std::string unpublished;
    /// The trash's folder of files (Linux).
    std::string trash;
    /// Where the settings live when not beside the program (empty: beside it).
    std::string settings;

    /// Writes config.ini: the default lines with `changes` applied (line number → text).
    void writeConfig(std::initializer_list<std::pair<std::size_t, std::string>> changes = {},
                     std::size_t lines = 13);
    /// The settings file as it is on disk.
    std::string config() const;
    /// Writes a file and returns its path.
    static std::string put(const std::string& path, const std::string& bytes = "x");

    /// Creates the four windows in this world.
    Forms& start();

    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<Forms> forms;
};

/// A user's click on a button, and on row `row` of a map list (with Ctrl or Shift held: `modifiers`).
void click(class QPushButton* button);
void clickRow(PathListView* list, int row, Qt::KeyboardModifiers modifiers = {});

/// Texts of a visible list box.
QStringList itemsOf(const PathListView* list);
