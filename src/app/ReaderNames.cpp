// The names a screen reader gives the main window's controls, in the active language.

#include "app/ComboBox.h"
#include "app/PathListView.h"
#include "app/Unit1.h"
#include "localisation/LanguageLines.h"
#include "operations/DetailsPanel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

void TForm1::nameControlsForReaders()
{
    namespace lines = localisation::lines;
    // Before a language is loaded (a first start), the design's words.
    const auto line = [this](std::size_t n, const char* design) {
        try {
            return languageText(n);
        } catch (const std::exception&) {
            return QString::fromUtf8(design);
        }
    };
    // The lists by their headings: "new maps: <folder>", "published maps", "unpublished maps".
    const QString maps = line(lines::kMaps, "Dateien");
    const QString filter = line(lines::kFilter, "Filter");
    const QString newMaps = line(lines::kNewMaps, "neue maps") + QStringLiteral(": ") + Label6->text();
    const std::pair<PathListView*, QString> lists[] = {
        {newFiles, newMaps},
        {publishedFiles, Label7->text() + QLatin1Char(' ') + maps},
        {unpublishedFiles, Label12->text() + QLatin1Char(' ') + maps},
    };
    for (std::size_t i = 0; i < std::size(kListKinds); ++i) {
        const auto& [list, name] = lists[i];
        list->setAccessibleName(name);
        QLineEdit* field = listPanel(kListKinds[i])->filter();
        field->setAccessibleName(filter + QStringLiteral(": ") + name);
        field->setPlaceholderText(filter);
    }
    iniContent->setAccessibleName(line(lines::kIniFile, "INI-Datei"));
    // The language box by its label, less the colon (where a reader takes a combo box's text for
    // its name, the label names it); its text field is the same control.
    const QString language = Label21->text().trimmed().remove(QLatin1Char(':'));
    LanguageBox->setAccessibleName(language);
    LanguageBox->lineEdit()->setAccessibleName(language);
    m_details->drawRows(); // names the rows of files in the new language
}
