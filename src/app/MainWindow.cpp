#include "app/MainWindow.h"

#include "app/Unit1.h"

Environment& MainWindow::env()
{
    return m_form.env();
}

QWidget& MainWindow::window()
{
    return m_form;
}

QString MainWindow::text(std::size_t n) const
{
    return m_form.languageText(n);
}

LineList& MainWindow::config()
{
    return m_form.Config;
}

void MainWindow::saveSettings()
{
    m_form.saveSettings();
}

TabControl& MainWindow::gameTypeTabs()
{
    return *m_form.gameTypes;
}

ComboBox& MainWindow::languageBox()
{
    return *m_form.LanguageBox;
}

void MainWindow::loadLanguage(const std::string& name)
{
    m_form.loadLanguage(name);
}

const std::string& MainWindow::desktopFolder() const
{
    return m_form.DesktopFolder;
}

const std::string& MainWindow::newMapsFolder() const
{
    return m_form.NewMapsFolder;
}

void MainWindow::setNewMapsFolder(const std::string& folder)
{
    m_form.setNewMapsHeading(folder);
    m_form.NewMapsFolder = folder;
    m_form.refreshFileList(TForm1::ListKind::NewMaps);
}

void MainWindow::open()
{
    m_form.show();
    m_form.refreshAllFileLists();
}
