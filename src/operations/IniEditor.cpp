// The map INI editor: creating a map's INI file from the template, saving and reloading it.

#include "app/Display.h"
#include "app/Environment.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"
#include "operations/IniTemplate.h"
#include "settings/LineList.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

/// The INI file of a map: base path + ".ini", under the name it already has on disk.
std::string iniPathOf(const std::string& mapPath)
{
    return platform::nameOnDisk(catalogue::basePath(mapPath) + catalogue::kIniSuffix);
}

} // namespace

void TForm1::setEditorText(const std::string& bytes)
{
    iniContent->setPlainText(toDisplay(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_iniUtf8 = platform::isUtf8OnlyText(bytes);
}

void TForm1::loadEditorFromFile(const std::string& path)
{
    setEditorText(settings::withCrLfBreaks(platform::readWholeFile(path)));
}

std::string TForm1::editorBytes() const
{
    // Each line exactly as the editor holds it (a no-break space stays one, a line separator
    // breaks no line), the lines joined by CR LF.
    QStringList lines;
    for (QTextBlock block = iniContent->document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    const QString text = lines.join(QStringLiteral("\r\n"));
    // A UTF-8 file stays UTF-8; any other is written in the game's code page where it fits.
    if (!m_iniUtf8)
        if (auto legacy = platform::legacyBytesFromDisplay(text.toStdString()))
            return *legacy;
    return fromDisplay(text);
}

void TForm1::inieditClick()
{
    if (SelectedMapPath.empty()) {
        m_env.beep();
        return;
    }
    operations::fillIniTemplate(Memo2, catalogue::baseName(SelectedMapPath));
    setEditorText(settings::joinLines(Memo2));
    m_iniUtf8 = false; // a new file is written in the game's code page where it fits
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
