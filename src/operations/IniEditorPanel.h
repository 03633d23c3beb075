#pragma once

#include "operations/IniText.h"

#include <QString>

#include <optional>
#include <string>

class QPlainTextEdit;
class QWidget;

namespace operations {

/// The map INI editor (mapper mode): the text of the shown map's INI file, with the bytes and
/// the encoding it was loaded from, so that an unchanged text is written back as it was.
class IniEditorPanel {
public:
    /// `editor` shows the text inside `panel`, which is hidden outside mapper mode.
    IniEditorPanel(QPlainTextEdit* editor, QWidget* panel) : m_editor(editor), m_panel(panel) {}

    /// Shows `ini`. While `running` (a run over maps fills the details for every map), the hidden
    /// editor only takes the last of those texts, when placeWaitingText is called.
    void setText(IniText ini, bool running);
    /// Loads the file at `path`, every line break made CR LF and nothing else changed.
    void loadFromFile(const std::string& path, bool running);
    /// Puts the text that waits for the hidden editor in place (nothing when none waits).
    void placeWaitingText();
    /// Saves the text as the INI file at `path`, atomically; false (the file unchanged) when typed
    /// text does not fit the file's encoding.
    bool save(const std::string& path) const;

private:
    /// The text as the bytes of an INI file in its encoding; nothing when typed text does not
    /// fit that encoding.
    std::optional<std::string> bytes() const;

    QPlainTextEdit* m_editor;
    QWidget* m_panel;
    IniText m_ini;      ///< the text shown and the bytes and encoding of its file
    int m_revision = 0; ///< the editor document's revision when the text was shown
    std::optional<QString> m_waiting; ///< the text shown, not yet in the hidden editor
};

} // namespace operations
