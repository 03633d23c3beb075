#include "catalogue/MapListPanel.h"

#include "app/PathListView.h"
#include "catalogue/KeptFileList.h"
#include "localisation/LanguageLines.h"

#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace catalogue {

MapListPanel::MapListPanel(Controls controls, TStringArray& paths, std::function<std::string()> folder,
                           const localisation::LanguageTexts& texts)
    : m_controls(controls), m_paths(paths), m_folder(std::move(folder)), m_texts(texts)
{
}

void MapListPanel::refresh(const std::string& mask)
{
    {
        const PathListView::Rebuild rebuild(*m_controls.view); // the list shows the paths once they are in place
        m_paths.clear();
        TStringArray found = findFiles(m_folder(), mask, true);
        // A language without the count's words stops the rebuild here, the list left empty.
        (void)m_texts(found.size() == 1 ? localisation::lines::kMap : localisation::lines::kMaps);
        // The finder's array becomes the hidden list as it is: its paths are never copied.
        m_paths = std::move(found);
    }
    showCount();
}

void MapListPanel::keep(KeptFileList& kept, const std::string& mask, bool mayRead)
{
    switch (kept.take(m_folder(), mask, mayRead)) {
    case KeptFileList::Update::Unchanged:
        m_controls.view->setItemIndex(-1); // as after a rebuild
        return;
    case KeptFileList::Update::Edited: {
        bool edited = false;
        {
            const PathListView::Rebuild rebuild(*m_controls.view);
            edited = kept.applyTo(m_paths);
        }
        if (edited) {
            m_controls.view->setItemIndex(-1); // also where this rebuild is part of a longer one
            return;
        }
        break;
    }
    case KeptFileList::Update::ReadAgain:
        break;
    }
    refresh(mask);
}

void MapListPanel::showCount()
{
    const std::size_t total = m_paths.size();
    const QString word = m_texts(total == 1 ? localisation::lines::kMap : localisation::lines::kMaps);
    const QString count = m_controls.view->filtered()
        ? m_texts(localisation::lines::kShownOf).arg(m_controls.view->count()).arg(total)
        : QString::number(total);
    m_controls.count->setText(QStringLiteral("( %1 %2 )").arg(count, word));
}

void MapListPanel::applyFilter()
{
    m_controls.view->setFilter(m_controls.filter->text());
    showCount();
}

void MapListPanel::focusFilter()
{
    m_controls.filter->setFocus(Qt::ShortcutFocusReason);
    m_controls.filter->selectAll();
}

std::vector<std::string> MapListPanel::selectedPaths() const
{
    std::vector<std::string> paths;
    for (const std::size_t entry : m_controls.view->selectedEntries())
        paths.emplace_back(m_paths[entry]);
    return paths;
}

std::vector<std::string> MapListPanel::shownPaths() const
{
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(m_controls.view->count()));
    for (const std::size_t entry : m_controls.view->shownEntries())
        paths.emplace_back(m_paths[entry]);
    return paths;
}

std::optional<std::string> MapListPanel::selectedPath() const
{
    const std::optional<std::size_t> entry = m_controls.view->selectedEntry();
    return entry ? std::optional<std::string>(std::string(m_paths[*entry])) : std::nullopt;
}

} // namespace catalogue
