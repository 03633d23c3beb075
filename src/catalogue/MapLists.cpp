// The main window's three map lists: rebuilding them, filtering them and following their selections.

#include "app/PathListView.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"

#include <QLineEdit>

namespace {

/// Shows the map selected in `list` (nothing where none is) and unselects the other lists;
/// true when a map is shown. The others are cleared first: should the details fail, no button
/// may still act on a map selected in another list.
bool followSelection(TForm1& form, const catalogue::MapListPanel& list, std::initializer_list<PathListView*> others)
{
    for (PathListView* other : others)
        other->setItemIndex(-1);
    const std::optional<std::string> path = list.selectedPath();
    form.showMapInfo(path.value_or(std::string()));
    return path.has_value();
}

} // namespace

catalogue::MapListPanel* TForm1::listPanel(ListKind kind)
{
    const auto index = static_cast<std::size_t>(kind) - 1;
    return index < m_lists.size() ? &m_lists[index] : nullptr;
}

void TForm1::refreshFileList(ListKind kind)
{
    if (catalogue::MapListPanel* list = listPanel(kind))
        list->refresh(FileMask);
}

void TForm1::refreshAllFileLists()
{
    for (const ListKind kind : kListKinds)
        refreshFileList(kind);
}

void TForm1::filterChange(ListKind kind)
{
    m_lastListKind = kind;
    listPanel(kind)->applyFilter();
    showSelection();
}

void TForm1::focusFilter()
{
    QLineEdit* filter = listPanel(m_lastListKind)->filter();
    filter->setFocus(Qt::ShortcutFocusReason);
    filter->selectAll();
}

void TForm1::Button3Click()
{
    refreshAllFileLists();
    showMapInfo({});
}

void TForm1::newFilesClick()
{
    m_lastListKind = ListKind::NewMaps;
    if (followSelection(*this, *listPanel(ListKind::NewMaps), {publishedFiles, unpublishedFiles}))
        showPublishedState();
    showSelection();
}

void TForm1::publishedFilesClick()
{
    m_lastListKind = ListKind::Published;
    followSelection(*this, *listPanel(ListKind::Published), {newFiles, unpublishedFiles});
    showSelection();
}

void TForm1::unpublishedFilesClick()
{
    m_lastListKind = ListKind::Unpublished;
    if (followSelection(*this, *listPanel(ListKind::Unpublished), {newFiles, publishedFiles}))
        showPublishedState();
    showSelection();
}

std::vector<std::string> TForm1::selectedPaths(ListKind kind)
{
    return listPanel(kind)->selectedPaths();
}

std::vector<std::string> TForm1::shownPaths(ListKind kind)
{
    return listPanel(kind)->shownPaths();
}
