// The main window's three map lists: rebuilding them, filtering them and following their selections.

#include "app/PathListView.h"
#include "app/Unit1.h"

namespace {

/// Shows the map selected in list `kind` (or none), the status of a new or unpublished one, and
/// the selection's sizes. The other lists are unselected first: should the details fail, no
/// button may still act on a map selected in another list.
void followSelection(TForm1& form, TForm1::ListKind kind)
{
    for (const TForm1::ListKind other : TForm1::kListKinds) {
        if (other != kind)
            form.listPanel(other)->view()->setItemIndex(-1);
    }
    const std::optional<std::string> path = form.listPanel(kind)->selectedPath();
    form.showMapInfo(path.value_or(std::string()));
    if (path && kind != TForm1::ListKind::Published)
        form.showPublishedState();
    form.showSelection();
}

} // namespace

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

void TForm1::recountLists()
{
    for (catalogue::MapListPanel& list : m_lists)
        list.showCount();
}

void TForm1::filterChange(ListKind kind)
{
    m_lastListKind = kind;
    listPanel(kind)->applyFilter();
    showSelection();
}

void TForm1::focusFilter()
{
    listPanel(m_lastListKind)->focusFilter();
}

void TForm1::Button3Click()
{
    refreshAllFileLists();
    showMapInfo({});
}

void TForm1::newFilesClick()
{
    m_lastListKind = ListKind::NewMaps;
    followSelection(*this, m_lastListKind);
}

void TForm1::publishedFilesClick()
{
    m_lastListKind = ListKind::Published;
    followSelection(*this, m_lastListKind);
}

void TForm1::unpublishedFilesClick()
{
    m_lastListKind = ListKind::Unpublished;
    followSelection(*this, m_lastListKind);
}
