// The main window's drops and pastes of maps: it gathers the dropped or pasted files, folders
// and archives, shows the unpacking's progress, rebuilds the list of new maps and reports.

#include "app/Display.h"
#include "app/Environment.h"
#include "app/Guard.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"
#include "operations/DropData.h"
#include "operations/ImportMessage.h"
#include "operations/MapImport.h"
#include "platform/FileSystem.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QTimer>

using operations::localPaths;

void TForm1::addMaps(const std::vector<std::string>& paths)
{
    if (paths.empty()) {
        m_env.beep();
        return;
    }
    if (!platform::folderExists(NewMapsFolder)) {
        m_env.showError(languageText(localisation::lines::kFolderMissing) + QLatin1Char(' ') + toDisplay(NewMapsFolder));
        return;
    }
    operations::ImportReport report;
    {
        // The progress dialog goes before the report comes.
        operations::UnpackProgressDialog progress(this, languageText(localisation::lines::kUnpacking),
                                                 languageText(localisation::lines::kCancel));
        report = operations::importMaps(paths, NewMapsFolder, progress, catalogue::publishedFolder(DocumentsFolder));
    }
    refreshFileList(ListKind::NewMaps);
    const operations::ImportMessage message = operations::importMessage(report, m_texts);
    m_env.showMessage(this, message.text, message.details);
}

void TForm1::pasteMaps()
{
    addMaps(localPaths(QApplication::clipboard()->mimeData()));
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    // Dropped maps are copied: the source never changes.
    if (!localPaths(event->mimeData()).empty()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void TForm1::dropEvent(QDropEvent* event)
{
    // The drop is taken and the program it came from goes on at once (Explorer waits until the
    // drop returns); the maps are added right after.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    QTimer::singleShot(0, this, [this, paths = localPaths(event->mimeData())] { runGuarded(m_env, [&] { addMaps(paths); }); });
}
