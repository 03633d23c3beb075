#include "operations/DetailsPanel.h"

#include "app/Design.h"
#include "app/Display.h"
#include "app/StatusIcon.h"
#include "catalogue/FileManagement.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"
#include "operations/ImportedFile.h"
#include "operations/SizeText.h"

#include <QLabel>
#include <QLocale>
#include <QToolButton>

#include <utility>

namespace operations {

namespace {

/// The opacity of a row's picture where its file is there, and where it is not.
constexpr int kLit = 255;
constexpr int kFaded = 40;

constexpr ShownMap::Row kRows[] = {ShownMap::Row::Package, ShownMap::Row::Ini, ShownMap::Row::Localisation,
                                   ShownMap::Row::Others};

char decimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

} // namespace

QString sizeForDisplay(std::int64_t bytes)
{
    return toDisplay(sizeText(bytes, decimalSeparator()));
}

DetailsPanel::DetailsPanel(Controls controls, const localisation::LanguageTexts& texts)
    : m_controls(controls), m_texts(texts)
{
}

void DetailsPanel::show(const std::string& path, catalogue::MapFileSet files, bool mapperMode)
{
    m_controls.path->setText(toDisplay(catalogue::basePath(path)));
    m_controls.title->setText(toDisplay(MapNameOf(path)));
    m_shown.show(path, std::move(files));
    drawRows();
    setMapperMode(mapperMode);
    std::int64_t total = 0;
    for (const std::string& file : m_shown.files().files())
        total += FileSizeOf(file);
    m_controls.size->setText(sizeForDisplay(total));
}

void DetailsPanel::clear()
{
    m_shown.clear();
    m_controls.title->setText(QStringLiteral("- - -"));
    m_controls.size->setText(QStringLiteral("0 MB"));
    m_controls.path->setText(QStringLiteral("-"));
    drawRows();
    m_controls.makeIni->hide();
}

void DetailsPanel::setMapperMode(bool mapperMode)
{
    m_controls.makeIni->setVisible(mapperMode && m_shown.showsAny() && !m_shown.lit(ShownMap::Row::Ini));
}

void DetailsPanel::drawRows()
{
    for (const ShownMap::Row row : kRows) {
        const auto at = static_cast<std::size_t>(row);
        const bool lit = m_shown.lit(row);
        m_controls.icons[at]->setAlpha(lit ? kLit : kFaded);
        setTextColour(m_controls.captions[at], lit ? colours::black : colours::silver);
        nameRowForReaders(row, lit);
    }
}

void DetailsPanel::nameRowForReaders(ShownMap::Row row, bool there)
{
    namespace lines = localisation::lines;
    QLabel* caption = m_controls.captions[static_cast<std::size_t>(row)];
    const QString kind = row == ShownMap::Row::Package ? m_texts(lines::kPackageFile)
        : row == ShownMap::Row::Ini                    ? m_texts(lines::kIniFile)
        : row == ShownMap::Row::Localisation           ? m_texts(lines::kLocalisationFile)
                                                       : caption->text();
    const QString name = kind + QStringLiteral(": ") + m_texts(there ? lines::kPresent : lines::kMissing);
    // A screen reader is told of a change only: a run over many maps names the rows for each.
    if (caption->accessibleName() != name)
        caption->setAccessibleName(name);
}

} // namespace operations
