// The map INI editor: creating a map's INI file from the template, saving and reloading it.

#include "app/Display.h"
#include "app/Environment.h"
#include "app/Unit1.h"
#include "catalogue/MapFileSet.h"
#include "catalogue/MapNames.h"
#include "operations/IniTemplate.h"
#include "localisation/LanguageLines.h"
#include "platform/FileSystem.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"
#include "settings/LineList.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <algorithm>
#include <string_view>
#include <utility>

void TForm1::setEditorText(operations::IniText ini)
{
    m_ini = std::move(ini);
    m_editorTextWaiting = QString::fromStdString(m_ini.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A run over maps fills the panel for every map: the hidden editor (outside mapper mode) only
    // needs the last of those texts, put in place when the run ends or the editor is shown.
    if (!(m_mapRunning && Panel6->isHidden()))
        placeWaitingEditorText();
}

void TForm1::placeWaitingEditorText()
{
    if (!m_editorTextWaiting)
        return;
    // Into the document itself: the editor's own setPlainText lays the text out three times
    // (formatting, the cursor, the scroll position). Like it, this starts without undo steps,
    // and the cursor goes to the start.
    iniContent->document()->setPlainText(*std::exchange(m_editorTextWaiting, std::nullopt));
    iniContent->moveCursor(QTextCursor::Start);
    m_iniRevision = iniContent->document()->revision();
}

void TForm1::loadEditorFromFile(const std::string& path)
{
    setEditorText(operations::IniText::fromFile(platform::readWholeFile(path)));
}

std::optional<std::string> TForm1::editorBytes() const
{
    // Unchanged, it is written back as it was loaded: also what the editor's document would
    // have turned into line breaks (U+2029 and the like).
    if (m_editorTextWaiting || iniContent->document()->revision() == m_iniRevision)
        return m_ini.bytes();
    // Each line exactly as the editor holds it (a no-break space stays one, a line separator
    // breaks no line), the lines joined by CR LF.
    QStringList lines;
    for (QTextBlock block = iniContent->document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return m_ini.bytesFor(lines.join(QStringLiteral("\r\n")).toStdString());
}

void TForm1::showIniCharsetError(const std::string& path)
{
    m_env.showError(languageText(localisation::lines::kIniCharset) + QLatin1Char(' ') + toDisplay(path));
}

/// Saves the editor's text as the map's INI file; typed text that the file's character set
/// cannot hold is reported, and the file stays as it was.
void TForm1::saveEditor()
{
    const std::string path = catalogue::iniPathOf(SelectedMapPath);
    const auto bytes = editorBytes();
    if (!bytes) {
        showIniCharsetError(path);
        return;
    }
    platform::saveFileAtomically(path, *bytes);
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
    setEditorText(*ini);
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
    loadEditorFromFile(catalogue::iniPathOf(SelectedMapPath));
}

void TForm1::iniContentChange()
{
    // Edits stay in the editor until they are saved.
}
