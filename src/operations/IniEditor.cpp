// The map INI editor: creating a map's INI file from the template, saving and reloading it.

#include "app/Display.h"
#include "app/Environment.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"
#include "operations/IniEditorPanel.h"
#include "operations/IniTemplate.h"
#include "platform/TextCodec.h"
#include "settings/LineList.h"

void TForm1::showIniCharsetError(const std::string& path)
{
    m_env.showError(languageText(localisation::lines::kIniCharset) + QLatin1Char(' ') + toDisplay(path));
}

/// Saves the editor's text as the map's INI file; typed text that the file's character set
/// cannot hold is reported, and the file stays as it was.
void TForm1::saveEditor()
{
    const std::string path = catalogue::iniPathOf(SelectedMapPath);
    if (!m_editor->save(path))
        showIniCharsetError(path);
}

void TForm1::inieditClick()
{
    if (SelectedMapPath.empty()) {
        m_env.beep();
        return;
    }
    operations::fillIniTemplate(Memo2, catalogue::baseName(SelectedMapPath));
    // A new file is text of the game's code page where that holds it (the map's name may not:
    // then Unicode).
    const auto ini = operations::IniText::fromNewText(platform::displayFromBytes(settings::joinLines(Memo2)));
    if (!ini) {
        showIniCharsetError(catalogue::iniPathOf(SelectedMapPath));
        return;
    }
    m_editor->setText(*ini, m_mapRunning);
    saveEditor();
    showMapInfo(SelectedMapPath);
}

void TForm1::Button5Click()
{
    // Before any map was shown there is no INI file to address.
    if (SelectedMapPath.empty()) {
        m_env.beep();
        return;
    }
    saveEditor();
}

void TForm1::Button6Click()
{
    if (SelectedMapPath.empty()) {
        m_env.beep();
        return;
    }
    m_editor->loadFromFile(catalogue::iniPathOf(SelectedMapPath), m_mapRunning);
}

void TForm1::iniContentChange()
{
    // Edits stay in the editor until they are saved.
}
