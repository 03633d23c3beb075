// The main window's three map lists: rebuilding them and following their selections.

#include "app/Controls.h"
#include "app/Display.h"
#include "app/Unit1.h"
#include "catalogue/FileManagement.h"
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

void TForm1::refreshFileList(int kind)
{
    PathListView* list;
    TStringArray* paths;
    QLabel* countLabel;
    std::string folder;
    switch (kind) {
    case 1:
        list = newFiles, paths = &ListBox1, countLabel = Label13, folder = NewMapsFolder;
        break;
    case 2:
        list = publishedFiles, paths = &ListBox2, countLabel = Label14, folder = catalogue::publishedFolder(DocumentsFolder);
        break;
    case 3:
        list = unpublishedFiles, paths = &ListBox3, countLabel = Label15, folder = catalogue::unpublishedFolder(DocumentsFolder);
        break;
    default:
        return;
    }
    const PathListView::Rebuild rebuild(*list); // the list shows the paths once they are in place
    paths->clear();
    ResetFoundFiles();
    FindFiles(folder, FileMask, true);

    const QString word = languageText(FoundFileCount == 1 ? localisation::lines::kMap : localisation::lines::kMaps);
    countLabel->setText(QStringLiteral("( %1 %2 )").arg(FoundFileCount).arg(word));

    // The finder's array becomes the hidden list as it is: its paths are never copied.
    *paths = std::exchange(FoundFiles, {});
    ResetFoundFiles();
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
