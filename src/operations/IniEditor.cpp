// The map INI editor: creating a map's INI file from the template, saving and reloading it.

#include "app/Display.h"
#include "app/Environment.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"
#include "operations/IniTemplate.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"

#include <QPlainTextEdit>

namespace {

/// The INI file of a map: base path + ".ini", under the name it already has on disk.
std::string iniPathOf(const std::string& mapPath)
{
    const std::string path = catalogue::basePath(mapPath) + ".ini";
    return platform::findIgnoringCase(path).value_or(path);
}

} // namespace

void TForm1::setEditorText(const std::string& text)
{
    iniContent->setPlainText(toDisplay(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // Saved again in the encoding it came in, so that a Windows-1252 file stays one.
    m_iniLegacy = platform::isLegacyText(text);
}

void TForm1::loadEditorFromFile(const std::string& path)
{
    setEditorText(settings::joinLines(settings::loadLineList(path)));
}

std::string TForm1::editorBytes() const
{
    return fromDisplay(iniContent->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")), m_iniLegacy);
}

void TForm1::inieditClick()
{
    if (SelectedMapPath.empty()) {
        m_env.beep();
        return;
    }
    operations::fillIniTemplate(Memo2, catalogue::baseName(SelectedMapPath));
    setEditorText(settings::joinLines(Memo2));
    platform::saveFileAtomically(iniPathOf(SelectedMapPath), editorBytes());
    showMapInfo(SelectedMapPath);
}

void TForm1::Button5Click()
{
    // Before any map was shown there is no INI file to address.
    if (SelectedMapPath.empty()) {
        m_env.beep();
        return;
    }
    platform::saveFileAtomically(iniPathOf(SelectedMapPath), editorBytes());
}

void TForm1::Button6Click()
{
    if (SelectedMapPath.empty()) {
        m_env.beep();
        return;
    }
    loadEditorFromFile(iniPathOf(SelectedMapPath));
}

void TForm1::iniContentChange()
{
    // Edits stay in the editor until they are saved.
}
