// The main window's three map lists: rebuilding them and following their selections.

#include "app/Controls.h"
#include "app/Display.h"
#include "app/Unit1.h"
#include "catalogue/FileManagement.h"
#include "catalogue/KeptFileList.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"

#include <QLabel>

#include <utility>


namespace {

/// Clears the other two selections and shows the map selected in `list` (or nothing). The
/// others are cleared first: should the details fail, no button may still act on a map
/// selected in another list.
/// Shows the map selected in `list` (nothing where none is) and unselects the other lists;
/// true when a map is shown.
bool followSelection(TForm1& form, PathListView* list, const TStringArray& paths,
                     std::initializer_list<PathListView*> others)
{
    for (PathListView* other : others)
        other->setItemIndex(-1);
    const int index = list->itemIndex();
    form.showMapInfo(index < 0 ? std::string() : std::string(paths[static_cast<std::size_t>(index)]));
    return index >= 0;
}

} // namespace

TForm1::FileList TForm1::fileList(int kind)
{
    switch (kind) {
    case 1:
        return {newFiles, &ListBox1, Label13, NewMapsFolder};
    case 2:
        return {publishedFiles, &ListBox2, Label14, catalogue::publishedFolder(DocumentsFolder)};
    case 3:
        return {unpublishedFiles, &ListBox3, Label15, catalogue::unpublishedFolder(DocumentsFolder)};
    default:
        return {};
    }
}

void TForm1::refreshFileList(int kind)
{
    const FileList list = fileList(kind);
    if (!list.view)
        return;
    const PathListView::Rebuild rebuild(*list.view); // the list shows the paths once they are in place
    list.paths->clear();
    ResetFoundFiles();
    FindFiles(list.folder, FileMask, true);
    // (A language without the count's words stops the rebuild here, the list left empty.)
    showFileCount(list, static_cast<std::size_t>(FoundFileCount));
    // The finder's array becomes the hidden list as it is: its paths are never copied.
    *list.paths = std::exchange(FoundFiles, {});
    ResetFoundFiles();
}

void TForm1::showFileCount(const FileList& list, std::size_t count)
{
    const QString word = languageText(count == 1 ? localisation::lines::kMap : localisation::lines::kMaps);
    list.countLabel->setText(QStringLiteral("( %1 %2 )").arg(count).arg(word));
}

bool TForm1::keepFileList(int kind, catalogue::KeptFileList& kept, bool mayRead)
{
    const FileList list = fileList(kind);
    switch (kept.take(list.folder, FileMask, mayRead)) {
    case catalogue::KeptFileList::Update::Unchanged:
        list.view->setItemIndex(-1); // as after a rebuild
        return false;
    case catalogue::KeptFileList::Update::Edited: {
        const PathListView::Rebuild rebuild(*list.view);
        if (kept.applyTo(*list.paths)) {
            showFileCount(list, list.paths->size());
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

void TForm1::refreshAllFileLists()
{
    refreshFileList(1);
    refreshFileList(2);
    refreshFileList(3);
}

void TForm1::Button3Click()
{
    refreshAllFileLists();
    showMapInfo({});
}

void TForm1::newFilesClick()
{
    if (followSelection(*this, newFiles, ListBox1, {publishedFiles, unpublishedFiles}))
        showPublishedState();
}

void TForm1::publishedFilesClick()
{
    followSelection(*this, publishedFiles, ListBox2, {newFiles, unpublishedFiles});
}

void TForm1::unpublishedFilesClick()
{
    if (followSelection(*this, unpublishedFiles, ListBox3, {newFiles, publishedFiles}))
        showPublishedState();
}
