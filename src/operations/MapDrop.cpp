// The main window's drops and pastes of maps: it gathers the dropped or pasted files, folders
// and archives, shows the unpacking's progress, rebuilds the list of new maps and reports.

#include "app/Display.h"
#include "app/Environment.h"
#include "app/Guard.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"
#include "operations/MapImport.h"
#include "platform/FileSystem.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QProgressDialog>
#include <QUrl>

#include <memory>

namespace {

namespace lines = localisation::lines;

/// The built-in texts of adding maps, in the order of their language lines, for a language
/// file that has no such line yet.
constexpr const char* kBuiltInImportTexts[] = {
    "Der Ordner für neue Maps existiert nicht:",
    "Entpacke",
    "hinzugefügt",
    "Übersprungen:",
    // One per reason, in the order of operations::SkipReason.
    "sein Pfad führt aus seinem Ordner hinaus",
    "eine Verknüpfung",
    "ein Gerät oder eine Sonderdatei",
    "ein Name, den dieses System nicht schreiben kann",
    "verschlüsselt",
    "ein Format oder Verfahren, das nicht gelesen werden kann",
    "beschädigt",
    "der Datenträger ist voll",
    "eine Datei dieses Namens existiert schon",
    "abgebrochen",
    "keine Maps darin",
    "enthält den Ordner für neue Maps",
    "konnte nicht gelesen oder geschrieben werden",
};
static_assert(std::size(kBuiltInImportTexts) == lines::kFirstSkipReason - lines::kFolderMissing
                                                     + static_cast<std::size_t>(operations::SkipReason::Unreadable) + 1);

/// The local files among dropped or pasted data, as the bytes of their paths.
std::vector<std::string> localPaths(const QMimeData* data)
{
    std::vector<std::string> paths;
    if (!data)
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.push_back(fromDisplay(QDir::toNativeSeparators(url.toLocalFile())));
    }
    return paths;
}

/// The progress of an unpacking, shown in a window-modal dialog once it has taken a second.
class UnpackProgressDialog : public operations::UnpackProgress {
public:
    UnpackProgressDialog(QWidget* parent, QString caption, QString cancel)
        : m_parent(parent), m_caption(std::move(caption)), m_cancel(std::move(cancel))
    {
    }

    bool unpacking(const std::string& archive, std::uint64_t done, std::uint64_t total) override
    {
        if (!m_dialog) {
            m_dialog = std::make_unique<QProgressDialog>(m_parent);
            m_dialog->setWindowModality(Qt::WindowModal);
            m_dialog->setMinimumDuration(1000);
            m_dialog->setCancelButtonText(m_cancel);
            m_dialog->setRange(0, kSteps);
            m_dialog->setAutoReset(false);
            m_dialog->setAutoClose(false);
            m_dialog->setValue(0);
        }
        if (archive != m_archive) {
            m_archive = archive;
            m_dialog->setLabelText(m_caption + QLatin1Char(' ') + toDisplay(catalogue::fileNameOf(archive)));
            m_dialog->setValue(0);
        }
        const int step = total == 0 ? 0 : static_cast<int>(done * kSteps / total);
        if (step != m_dialog->value())
            m_dialog->setValue(step);
        return !m_dialog->wasCanceled();
    }

private:
    static constexpr int kSteps = 1000;
    QWidget* m_parent;
    QString m_caption, m_cancel;
    std::string m_archive;
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace

QString TForm1::importText(std::size_t n) const
{
    return languageText(n, kBuiltInImportTexts[n - lines::kFolderMissing]);
}

void TForm1::addMaps(const std::vector<std::string>& paths)
{
    if (paths.empty()) {
        m_env.beep();
        return;
    }
    if (!platform::folderExists(NewMapsFolder)) {
        m_env.showError(importText(lines::kFolderMissing) + QLatin1Char(' ') + toDisplay(NewMapsFolder));
        return;
    }
    operations::ImportReport report;
    {
        // The progress dialog goes before the report comes.
        UnpackProgressDialog progress(this, importText(lines::kUnpacking), languageText(lines::kCancel, "abbrechen"));
        report = operations::importMaps(paths, NewMapsFolder, progress);
    }
    refreshFileList(1);

    QStringList names;
    for (const std::string& map : report.addedMaps)
        names.append(toDisplay(catalogue::dropExtension(map)));
    const std::size_t added = report.addedMaps.size();
    QString text = QString::number(added) + QLatin1Char(' ')
        + (added == 1 ? languageText(lines::kMap, "Datei") : languageText(lines::kMaps, "Dateien")) + QLatin1Char(' ')
        + importText(lines::kAdded);
    if (!names.isEmpty())
        text += QStringLiteral(": ") + names.join(QStringLiteral(", "));
    if (!report.skipped.empty()) {
        text += QStringLiteral("\n\n") + importText(lines::kSkipped);
        for (const operations::Skipped& skipped : report.skipped)
            text += QLatin1Char('\n') + toDisplay(skipped.what) + QStringLiteral(": ")
                + importText(lines::kFirstSkipReason + static_cast<std::size_t>(skipped.reason));
    }
    m_env.showMessage(this, text);
}

void TForm1::FormDragDrop(const QMimeData* dropped)
{
    addMaps(localPaths(dropped));
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
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const QMimeData* dropped = event->mimeData();
    runGuarded(m_env, [this, dropped] { FormDragDrop(dropped); });
}
