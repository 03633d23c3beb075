#pragma once

#include <QString>

#include <string>

class FolderPicker;

/// The application title: the task-bar text and the caption of the error box.
inline const QString kApplicationTitle = QStringLiteral("VSM Map Manager");
class QWidget;

/// What the windows need from the world around them: the program's folders and the
/// interactive services. The program passes the real ones; tests pass a recording fake.
class Environment {
public:
    /// `settingsFolder` empty: the settings live in the program's folder.
    Environment(std::string programFolder, std::string documentsFolder, std::string desktopFolder,
                std::string settingsFolder = {})
        : m_programFolder(std::move(programFolder))
        , m_documentsFolder(std::move(documentsFolder))
        , m_desktopFolder(std::move(desktopFolder))
        , m_settingsFolder(settingsFolder.empty() ? m_programFolder : std::move(settingsFolder))
    {
    }
    virtual ~Environment() = default;

    /// The folder of the executable, where the language files live.
    const std::string& programFolder() const { return m_programFolder; }
    /// Where config.ini lives: the program's folder, or the user's own settings folder where the
    /// program's folder cannot be written.
    const std::string& settingsFolder() const { return m_settingsFolder; }
    /// The user's documents folder, as the shell names it (may be empty).
    const std::string& documentsFolder() const { return m_documentsFolder; }
    /// The user's desktop folder, as the shell names it (may be empty).
    const std::string& desktopFolder() const { return m_desktopFolder; }

    /// The system's default beep.
    virtual void beep() = 0;
    /// The application's error box: title "VSM Map Manager", error icon, OK.
    virtual void showError(const QString& message) = 0;
    /// A modal Yes/No box without icon, Yes the default; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
    /// A plain message box with OK; `details`, where given, behind its button for them.
    virtual void showMessage(QWidget* parent, const QString& text, const QString& details = {}) = 0;
    /// The folder picker behind the browse buttons.
    virtual FolderPicker& folderPicker() = 0;

private:
    std::string m_programFolder;
    std::string m_documentsFolder;
    std::string m_desktopFolder;
    std::string m_settingsFolder;
};
