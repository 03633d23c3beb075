// The details panel: which files of the selected map exist, their total size, its path.

#include "app/Design.h"
#include "app/StatusIcon.h"
#include "app/Display.h"
#include "app/Unit1.h"
#include "catalogue/FileManagement.h"
#include "catalogue/MapFileSet.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"
#include "operations/ImportedFile.h"
#include "operations/PublishedCheck.h"
#include "operations/SizeText.h"
#include "platform/FileSystem.h"

#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

constexpr int kLit = 255;
constexpr int kFaded = 40;

char decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

} // namespace

void TForm1::setLitRow(StatusIcon* icon, QLabel* caption, bool lit)
{
    icon->setAlpha(lit ? kLit : kFaded);
    setTextColour(caption, lit ? colours::black : colours::silver);
    nameRowForReaders(caption, lit);
}

void TForm1::drawFileRows()
{
    using Row = operations::ShownMap::Row;
    setLitRow(VSMexists, Label1, m_shownMap.lit(Row::Package));
    setLitRow(INIexists, Label2, m_shownMap.lit(Row::Ini));
    setLitRow(LOCexists, Label3, m_shownMap.lit(Row::Localisation));
    setLitRow(othersexists, Label5, m_shownMap.lit(Row::Others));
}

void TForm1::showMapInfo(const std::string& path)
{
    showMapInfo(path, path.empty() ? catalogue::MapFileSet() : catalogue::mapFileSetOf(path));
}

void TForm1::showMapInfo(const std::string& path, catalogue::MapFileSet files)
{
    // A comparison still going on is for the map shown before.
    m_publishedCheck.reset();
    m_publishedCheckSteps->stop();
    Label8->setText(QStringLiteral("-"));
    if (path.empty()) {
        m_shownMap.clear();
        Label4->setText(QStringLiteral("- - -"));
        Label11->setText(QStringLiteral("0 MB"));
        FullMapPath->setText(QStringLiteral("-"));
        drawFileRows();
        iniedit->hide();
        return;
    }

    SelectedMapPath = path;
    const std::string base = catalogue::basePath(path);
    FullMapPath->setText(toDisplay(base));
    Label4->setText(toDisplay(MapNameOf(path)));
    m_shownMap.show(path, std::move(files));
    drawFileRows();
    const catalogue::MapFileSet& shown = m_shownMap.files();
    if (shown.ini) {
        iniedit->hide();
        loadEditorFromFile(*shown.ini);
    } else {
        if (MapperMode)
            iniedit->show();
        setEditorText(operations::IniText());
    }

    std::int64_t total = 0;
    for (const std::string& file : shown.files())
        total += FileSizeOf(file);
    Label11->setText(toDisplay(operations::sizeText(total, decimalSeparator())));
}

namespace {

/// How many bytes are compared at once: in the click, and then in each later step.
constexpr std::uint64_t kFirstCompareBytes = 2u << 20;
constexpr std::uint64_t kCompareStepBytes = 4u << 20;

} // namespace

void TForm1::showPublishedState()
{
    m_publishedCheck = std::make_unique<operations::PublishedCheck>(
        SelectedMapPath, operations::namesakeIn(catalogue::publishedFolder(DocumentsFolder), SelectedMapPath));
    if (m_publishedCheck->step(kFirstCompareBytes)) {
        continuePublishedCheck();
    } else {
        Label8->setText(QStringLiteral("\u2026"));
        m_publishedCheckSteps->start();
    }
}

void TForm1::continuePublishedCheck()
{
    if (!m_publishedCheck || !m_publishedCheck->step(kCompareStepBytes))
        return;
    m_publishedCheckSteps->stop();
    switch (*m_publishedCheck->state()) {
    case operations::PublishedState::NotPublished:
        Label8->setText(QStringLiteral("-"));
        break;
    case operations::PublishedState::Same:
        Label8->setText(languageText(localisation::lines::kPublishedSame));
        break;
    case operations::PublishedState::Different:
        Label8->setText(languageText(localisation::lines::kPublishedDifferent));
        break;
    }
    m_publishedCheck.reset();
}

namespace {

/// How many maps' sizes are added up at once: in the click, and then in each later step.
constexpr std::size_t kSizedAtOnce = 256;

} // namespace

void TForm1::showSelection()
{
    m_selectionSizeSteps->stop();
    m_selectionToSize.clear();
    m_selectionSized = 0;
    m_selectionBytes = 0;
    // A click in one list clears the others' selections: the list with the most is the one.
    for (const ListKind kind : kListKinds) {
        std::vector<std::string> selected = selectedPaths(kind);
        if (selected.size() > m_selectionToSize.size())
            m_selectionToSize = std::move(selected);
    }
    const bool several = m_selectionToSize.size() > 1;
    SelectionCount->setVisible(several);
    SelectionSize->setVisible(several);
    if (!several)
        return;
    SelectionCount->setText(languageText(localisation::lines::kSelected).arg(m_selectionToSize.size()));
    SelectionSize->setText(QStringLiteral("\u2026"));
    continueSelectionSize();
    if (!m_selectionToSize.empty())
        m_selectionSizeSteps->start();
}

void TForm1::continueSelectionSize()
{
    // A file that went since it was listed counts nothing: no error for a sum.
    const std::size_t end = std::min(m_selectionToSize.size(), m_selectionSized + kSizedAtOnce);
    for (; m_selectionSized < end; ++m_selectionSized) {
        for (const std::string& file : catalogue::mapFileSetOf(m_selectionToSize[m_selectionSized]).files())
            m_selectionBytes += static_cast<std::int64_t>(platform::fileSizeOrZero(file));
    }
    if (m_selectionSized < m_selectionToSize.size())
        return;
    m_selectionSizeSteps->stop();
    m_selectionToSize.clear();
    SelectionSize->setText(toDisplay(operations::sizeText(m_selectionBytes, decimalSeparator())));
}

void TForm1::nameRowForReaders(QLabel* caption, bool there)
{
    namespace lines = localisation::lines;
    const QString row = caption == Label1 ? languageText(lines::kPackageFile)
        : caption == Label2               ? languageText(lines::kIniFile)
        : caption == Label3               ? languageText(lines::kLocalisationFile)
                                          : caption->text();
    const QString name = row + QStringLiteral(": ") + languageText(there ? lines::kPresent : lines::kMissing);
    // A screen reader is told of a change only: a run over many maps names the rows for each.
    if (caption->accessibleName() != name)
        caption->setAccessibleName(name);
}
