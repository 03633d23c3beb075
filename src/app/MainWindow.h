#pragma once

// What the dialogs ask of the main window: the program's shared data and the few steps that
// change it, and nothing else of the window.

#include "settings/LineList.h"

#include <QString>

#include <cstddef>
#include <string>

class ComboBox;
class Environment;
class QWidget;
class TabControl;
class TForm1;

class MainWindow {
public:
    explicit MainWindow(TForm1& form) : m_form(form) {}

    Environment& env();
    QWidget& window();
    /// Line `n` of the active language, for display.
    QString text(std::size_t n) const;
    /// The settings lines, and writing them to config.ini.
    LineList& config();
    void saveSettings();
    /// The game-type tabs, and the languages offered.
    TabControl& gameTypeTabs();
    ComboBox& languageBox();
    void loadLanguage(const std::string& name);
    const std::string& desktopFolder() const;
    const std::string& newMapsFolder() const;
    /// Lists the new maps of `folder` from now on, under its name.
    void setNewMapsFolder(const std::string& folder);
    /// A first start is complete: the window opens with its lists.
    void open();

private:
    TForm1& m_form;
};
