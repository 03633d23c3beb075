// Installing new maps, copying unpublished maps, deleting published maps and taking them out of
// the game: each a run over the maps taken at the press, one map or many.

#include "app/Environment.h"
#include "app/PathListView.h"
#include "app/Unit1.h"
#include "localisation/LanguageLines.h"
#include "platform/FileSystem.h"

#include <QPushButton>

#include <vector>

void TForm1::installmap()
{
    if (newFiles->itemIndex() == -1) {
        m_env.beep();
        return;
    }
    runOverMaps(MapAction::Install, selectedPaths(ListKind::NewMaps));
}

void TForm1::Button1Click()
{
    installmap();
}

void TForm1::Button2Click()
{
    // The maps the list shows at the press: through a filter, those it lets through; a map
    // that comes during the run is listed, not installed.
    if (m_mapRunning) {
        m_env.beep();
        return;
    }
    runOverMaps(MapAction::InstallAll, shownPaths(ListKind::NewMaps));
    showMapInfo({});
}

void TForm1::Button7Click()
{
    if (unpublishedFiles->itemIndex() == -1) {
        m_env.beep();
        return;
    }
    runOverMaps(MapAction::Copy, selectedPaths(ListKind::Unpublished));
}

void TForm1::Button4Click()
{
    if (publishedFiles->itemIndex() == -1) {
        m_env.beep();
        refreshFileList(ListKind::Published);
        return;
    }
    const std::vector<std::string> maps = selectedPaths(ListKind::Published);
    const QString question = maps.size() == 1
        ? languageText(localisation::lines::kDeleteQuestion)
        : languageText(localisation::lines::kDeleteSeveral).arg(maps.size());
    if (m_env.askYesNo(this, QStringLiteral("...!"), question))
        runOverMaps(MapAction::Delete, maps);
    else
        refreshFileList(ListKind::Published);
}

void TForm1::Button10Click()
{
    if (publishedFiles->itemIndex() == -1 || !platform::folderExists(NewMapsFolder)) {
        m_env.beep();
        return;
    }
    runOverMaps(MapAction::TakeOut, selectedPaths(ListKind::Published));
}
