// The main window's drops and pastes of maps: it gathers the dropped or pasted files, folders
// and archives, shows the unpacking's progress, rebuilds the list of new maps and reports.

#include "app/Display.h"
#include "app/Environment.h"
#include "app/Guard.h"
#include "app/ProgressBox.h"
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
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

namespace lines = localisation::lines;

// The reasons have their language lines in two runs, in their order.
static_assert(lines::kFirstSkipReasons == static_cast<std::size_t>(operations::SkipReason::Unreadable) + 1);
static_assert(lines::kLaterSkipReasons
              == static_cast<std::size_t>(operations::SkipReason::AlreadyThere) - lines::kFirstSkipReasons + 1);

/// How many names and skipped entries the report shows at most; the rest are counted, and all
/// of them are in its details.
constexpr int kMostShownLines = 20;
/// How many characters of one name the report shows at most.
constexpr int kMostShownCharacters = 120;

/// A name from the report for the eye: each of its parts (folders, an archive and its entry,
/// and each folder of an entry's path) shown by itself, so that one part in another character
/// set garbles no other.
QString legible(const operations::ShownPath& what)
{
    QString shown;
    for (const operations::ShownPath::Part& part : what.parts) {
        shown += QString::fromUtf8(part.join.data(), static_cast<int>(part.join.size()));
        std::size_t start = 0;
        for (std::size_t i = 0; i <= part.name.size(); ++i) {
            if (i < part.name.size() && part.name[i] != '/' && part.name[i] != '\\')
                continue;
            shown += toDisplay(std::string_view(part.name).substr(start, i - start));
            if (i < part.name.size())
                shown += QChar::fromLatin1(part.name[i]);
            start = i + 1;
        }
    }
    return shown;
}

/// `text` shortened in its middle to what a message box can show.
QString shortened(const QString& text)
{
    if (text.size() <= kMostShownCharacters)
        return text;
    const int half = kMostShownCharacters / 2;
    return text.left(half) + QChar(0x2026) + text.right(half);
}

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

/// The progress of an unpacking, shown for each archive once it has taken a second.
class UnpackProgressDialog : public operations::UnpackProgress {
public:
    UnpackProgressDialog(QWidget* parent, QString caption, QString cancel)
        : m_box(parent, std::move(cancel)), m_caption(std::move(caption))
    {
    }

    bool unpacking(const std::string& archive, std::uint64_t done, std::uint64_t total) override
    {
        if (archive != m_archive) {
            m_archive = archive;
            m_label = m_caption + QLatin1Char(' ') + toDisplay(catalogue::fileNameOf(archive));
        }
        return m_box.show(m_label, done, total);
    }

private:
    ProgressBox m_box;
    QString m_caption, m_label;
    std::string m_archive;
};

} // namespace

QString TForm1::skipReasonText(operations::SkipReason reason) const
{
    const auto n = static_cast<std::size_t>(reason);
    return languageText(n < lines::kFirstSkipReasons ? lines::kFirstSkipReason + n
                                                     : lines::kLaterSkipReason + n - lines::kFirstSkipReasons);
}

void TForm1::addMaps(const std::vector<std::string>& paths)
{
    if (paths.empty()) {
        m_env.beep();
        return;
    }
    if (!platform::folderExists(NewMapsFolder)) {
        m_env.showError(languageText(lines::kFolderMissing) + QLatin1Char(' ') + toDisplay(NewMapsFolder));
        return;
    }
    operations::ImportReport report;
    {
        // The progress dialog goes before the report comes.
        UnpackProgressDialog progress(this, languageText(lines::kUnpacking), languageText(lines::kCancel));
        report = operations::importMaps(paths, NewMapsFolder, progress, catalogue::publishedFolder(DocumentsFolder));
    }
    refreshFileList(ListKind::NewMaps);

    // The first lines in the box, everything behind its details button.
    QStringList names;
    for (const std::string& map : report.addedMaps)
        names.append(toDisplay(catalogue::dropExtension(map)));
    QStringList skipped;
    for (const operations::Skipped& entry : report.skipped)
        skipped.append(legible(entry.what) + QStringLiteral(": ") + skipReasonText(entry.reason)
                       + (entry.where.empty() ? QString() : QLatin1Char(' ') + toDisplay(entry.where)));
    const auto firstOf = [this](const QStringList& all, const QString& separator) {
        QStringList shown;
        for (int i = 0; i < all.size() && i < kMostShownLines; ++i)
            shown.append(shortened(all[i]));
        if (all.size() > kMostShownLines)
            shown.append(languageText(lines::kMoreLines).arg(all.size() - kMostShownLines));
        return shown.join(separator);
    };
    const std::size_t added = report.addedMaps.size();
    const QString heading = QString::number(added) + QLatin1Char(' ')
        + languageText(added == 1 ? lines::kMap : lines::kMaps) + QLatin1Char(' ')
        + languageText(lines::kAdded);
    QString text = heading;
    if (!names.isEmpty())
        text += QStringLiteral(": ") + firstOf(names, QStringLiteral(", "));
    if (!skipped.isEmpty())
        text += QStringLiteral("\n\n") + languageText(lines::kSkipped) + QLatin1Char('\n') + firstOf(skipped, QStringLiteral("\n"));
    QString details;
    if (names.size() > kMostShownLines || skipped.size() > kMostShownLines) {
        details = heading + QStringLiteral(":\n") + names.join(QLatin1Char('\n'));
        if (!skipped.isEmpty())
            details += QStringLiteral("\n\n") + languageText(lines::kSkipped) + QLatin1Char('\n') + skipped.join(QLatin1Char('\n'));
    }
    m_env.showMessage(this, text, details);
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
