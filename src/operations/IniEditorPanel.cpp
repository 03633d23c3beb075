#include "operations/IniEditorPanel.h"

#include "platform/TextFile.h"

#include <QPlainTextEdit>
#include <QStringList>
#include <QTextBlock>

#include <utility>

namespace operations {

void IniEditorPanel::setText(IniText ini, bool running)
{
    m_ini = std::move(ini);
    m_waiting = QString::fromStdString(m_ini.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!(running && m_panel->isHidden()))
        placeWaitingText();
}

void IniEditorPanel::loadFromFile(const std::string& path, bool running)
{
    setText(IniText::fromFile(platform::readWholeFile(path)), running);
}

void IniEditorPanel::placeWaitingText()
{
    if (!m_waiting)
        return;
    // Into the document itself: the editor's own setPlainText lays the text out three times
    // (formatting, the cursor, the scroll position). Like it, this starts without undo steps,
    // and the cursor goes to the start.
    m_editor->document()->setPlainText(*std::exchange(m_waiting, std::nullopt));
    m_editor->moveCursor(QTextCursor::Start);
    m_revision = m_editor->document()->revision();
}

std::optional<std::string> IniEditorPanel::bytes() const
{
    // Unchanged, it is written back as it was loaded: also what the editor's document would
    // have turned into line breaks (U+2029 and the like).
    if (m_waiting || m_editor->document()->revision() == m_revision)
        return m_ini.bytes();
    // Each line exactly as the editor holds it (a no-break space stays one, a line separator
    // breaks no line), the lines joined by CR LF.
    QStringList lines;
    for (QTextBlock block = m_editor->document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return m_ini.bytesFor(lines.join(QStringLiteral("\r\n")).toStdString());
}

bool IniEditorPanel::save(const std::string& path) const
{
    const std::optional<std::string> written = bytes();
    if (!written)
        return false;
    platform::saveFileAtomically(path, *written);
    return true;
}

} // namespace operations
