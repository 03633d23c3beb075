// The details panel: which files of the selected map exist, their total size, its path, its
// published status, and the sizes of a selection of several maps.

#include "app/Unit1.h"
#include "catalogue/FileManagement.h"
#include "catalogue/MapNames.h"
#include "operations/DetailsPanel.h"
#include "operations/IniEditorPanel.h"
#include "operations/PublishedStatus.h"
#include "operations/SelectionSize.h"

void TForm1::showMapInfo(const std::string& path)
{
    showMapInfo(path, path.empty() ? catalogue::MapFileSet() : catalogue::mapFileSetOf(path));
}

void TForm1::showMapInfo(const std::string& path, catalogue::MapFileSet files)
{
    // A comparison still going on is for the map shown before.
    m_publishedStatus->clear();
    if (path.empty()) {
        m_details->clear();
        return;
    }
    SelectedMapPath = path;
    m_details->show(path, std::move(files), MapperMode);
    if (const auto& ini = m_details->shown().files().ini)
        m_editor->loadFromFile(*ini, m_mapRunning);
    else
        m_editor->setText(operations::IniText(), m_mapRunning);
}

const operations::ShownMap& TForm1::shownMap() const
{
    return m_details->shown();
}

void TForm1::showPublishedState()
{
    m_publishedStatus->check(SelectedMapPath, catalogue::publishedFolder(DocumentsFolder));
}

void TForm1::showSelection()
{
    // A click in one list clears the others' selections: the list with the most is the one.
    std::vector<std::string> largest;
    for (const ListKind kind : kListKinds) {
        std::vector<std::string> selected = selectedPaths(kind);
        if (selected.size() > largest.size())
            largest = std::move(selected);
    }
    m_selectionSize->show(std::move(largest));
}
