// The main window's three map lists: rebuilding them, filtering them and following their selections.

#include "app/PathListView.h"
#include "app/Display.h"
#include "app/Unit1.h"
#include "catalogue/FileManagement.h"
#include "catalogue/KeptFileList.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"

#include <QLabel>
#include <QLineEdit>

#include <utility>


namespace {

/// Shows the map selected in `list` (nothing where none is) and unselects the other lists;
/// true when a map is shown. The others are cleared first: should the details fail, no button
/// may still act on a map selected in another list.
bool followSelection(TForm1& form, PathListView* list, const TStringArray& paths,
                     std::initializer_list<PathListView*> others)
{
    for (PathListView* other : others)
        other->setItemIndex(-1);
    const std::optional<std::size_t> entry = list->selectedEntry();
    form.showMapInfo(entry ? std::string(paths[*entry]) : std::string());
    return entry.has_value();
}

} // namespace

TForm1::FileList TForm1::fileList(ListKind kind)
{
    switch (kind) {
    case ListKind::NewMaps:
        return {newFiles, &ListBox1, Label13, newFilter, NewMapsFolder};
    case ListKind::Published:
        return {publishedFiles, &ListBox2, Label14, publishedFilter, catalogue::publishedFolder(DocumentsFolder)};
    case ListKind::Unpublished:
        return {unpublishedFiles, &ListBox3, Label15, unpublishedFilter, catalogue::unpublishedFolder(DocumentsFolder)};
    default:
        return {};
    }
}

void TForm1::refreshFileList(ListKind kind)
{
    const FileList list = fileList(kind);
    if (!list.view)
        return;
    QString word;
    {
        const PathListView::Rebuild rebuild(*list.view); // the list shows the paths once they are in place
        list.paths->clear();
        TStringArray found = findFiles(list.folder, FileMask, true);
        // (A language without the count's words stops the rebuild here, the list left empty.)
        word = countWord(found.size());
        // The finder's array becomes the hidden list as it is: its paths are never copied.
        *list.paths = std::move(found);
    }
    showFileCount(list, word);
}

QString TForm1::countWord(std::size_t count) const
{
    return languageText(count == 1 ? localisation::lines::kMap : localisation::lines::kMaps);
}

void TForm1::showFileCount(const FileList& list, const QString& word)
{
    // A filter's count says how many of the list's maps it shows.
    const std::size_t total = list.paths->size();
    const QString count = list.view->filtered()
        ? languageText(localisation::lines::kShownOf).arg(list.view->count()).arg(total)
        : QString::number(total);
    list.countLabel->setText(QStringLiteral("( %1 %2 )").arg(count, word));
}

bool TForm1::keepFileList(ListKind kind, catalogue::KeptFileList& kept, bool mayRead)
{
    const FileList list = fileList(kind);
    switch (kept.take(list.folder, FileMask, mayRead)) {
    case catalogue::KeptFileList::Update::Unchanged:
        list.view->setItemIndex(-1); // as after a rebuild
        return false;
    case catalogue::KeptFileList::Update::Edited: {
        bool edited = false;
        {
            const PathListView::Rebuild rebuild(*list.view);
            edited = kept.applyTo(*list.paths);
        }
        if (edited) {
            list.view->setItemIndex(-1); // also where this rebuild is part of a longer one
            return true;
        }
        break;
    }
    case catalogue::KeptFileList::Update::ReadAgain:
        break;
    }
    refreshFileList(kind);
    return true;
}

void TForm1::recountLists()
{
    for (const ListKind kind : kListKinds) {
        const FileList list = fileList(kind);
        showFileCount(list, countWord(list.paths->size()));
    }
}

void TForm1::refreshAllFileLists()
{
    for (const ListKind kind : kListKinds)
        refreshFileList(kind);
}

void TForm1::filterChange(ListKind kind)
{
    const FileList list = fileList(kind);
    m_lastListKind = kind;
    list.view->setFilter(list.filter->text());
    showFileCount(list, countWord(list.paths->size()));
    showSelection();
}

void TForm1::focusFilter()
{
    QLineEdit* filter = fileList(m_lastListKind).filter;
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
    if (followSelection(*this, newFiles, ListBox1, {publishedFiles, unpublishedFiles}))
        showPublishedState();
    showSelection();
}

void TForm1::publishedFilesClick()
{
    m_lastListKind = ListKind::Published;
    followSelection(*this, publishedFiles, ListBox2, {newFiles, unpublishedFiles});
    showSelection();
}

void TForm1::unpublishedFilesClick()
{
    m_lastListKind = ListKind::Unpublished;
    if (followSelection(*this, unpublishedFiles, ListBox3, {newFiles, publishedFiles}))
        showPublishedState();
    showSelection();
}

std::vector<std::string> TForm1::selectedPaths(ListKind kind)
{
    const FileList list = fileList(kind);
    std::vector<std::string> paths;
    for (const std::size_t entry : list.view->selectedEntries())
        paths.emplace_back((*list.paths)[entry]);
    return paths;
}

std::vector<std::string> TForm1::shownPaths(ListKind kind)
{
    const FileList list = fileList(kind);
    std::vector<std::string> paths;
    paths.reserve(static_cast<std::size_t>(list.view->count()));
    for (const std::size_t entry : list.view->shownEntries())
        paths.emplace_back((*list.paths)[entry]);
    return paths;
}
