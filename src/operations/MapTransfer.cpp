// Installing new maps, copying unpublished maps and deleting published maps.

#include "app/Controls.h"
#include "app/Display.h"
#include "app/Environment.h"
#include "app/Unit1.h"
#include "catalogue/KeptFileList.h"
#include "catalogue/MapFileSet.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"
#include "operations/InstallRun.h"
#include "platform/FileSystem.h"
#include "platform/FileTransfer.h"
#include "platform/PathSeparator.h"
#include "platform/InputQueue.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>

#include <initializer_list>
#include <set>
#include <vector>

namespace {

/// How often install all draws what it changes while it runs: 25 pictures a second, as film shows
/// motion. Each picture costs about a millisecond and a half of the run.
constexpr qint64 kFrameMilliseconds = 40;

} // namespace

void TForm1::setChangesDrawn(bool drawn)
{
    // Only what a pass changes: the two lists with their counts, the details panel and the INI
    // editor (shown in mapper mode). The buttons and frames around them stay as drawn.
    for (QWidget* widget : std::initializer_list<QWidget*>{newFiles, Label13, publishedFiles, Label14, Panel1, iniContent})
        widget->setUpdatesEnabled(drawn);
    // The lists' edits between two pictures are one rebuild each: a list is laid out once a
    // picture, not once a map (a layout steps through all its rows).
    if (!m_installRun)
        return;
    if (drawn) {
        m_installRun->heldNew.reset();
        m_installRun->heldPublished.reset();
    } else if (!m_installRun->heldNew) {
        m_installRun->heldNew.emplace(*newFiles);
        m_installRun->heldPublished.emplace(*publishedFiles);
    }
}

platform::TreeNotices* TForm1::keptNewMapNames() const
{
    return m_installRun ? m_installRun->newMaps.notices() : nullptr;
}

void TForm1::transferMapFiles(bool move)
{
    // The package and the companions the details panel found; they get the package's spelling
    // of the name. Failures are not reported: the rebuilt lists show the outcome.
    const std::string destination = catalogue::publishedFolder(DocumentsFolder) + platform::kPathSeparator;
    platform::KeptFolder kept;
    if (m_installRun)
        kept = {m_installRun->published.notices(), &m_installRun->publishedSweep};
    if (move)
        platform::moveFilesInto(destination, m_shownFiles.toPlace(), kept);
    else
        platform::copyFilesInto(destination, m_shownFiles.toPlace(), kept);
}

void TForm1::installmap()
{
    if (newFiles->itemIndex() == -1) {
        m_env.beep();
        return;
    }
    transferMapFiles(CheckBox2->isChecked());
    refreshFileList(1);
    refreshFileList(2);
}

void TForm1::Button1Click()
{
    installmap();
}

void TForm1::Button2Click()
{
    // The passes let other events run; a second press meanwhile would start a run of its own.
    if (m_installingAll) {
        m_env.beep();
        return;
    }
    m_installingAll = true;
    // After each map the two lists are what the rebuilds would read, kept from the folders'
    // change notices (the run's own moves among them) instead of read again: a run costs the
    // maps it moves, not the square of them. The same notices keep the names of both folders
    // for the look-ups of companions and namesakes. Where a tree cannot be watched whole (a
    // link the notices do not follow, the system's limit of watches), its list is read again
    // at most once a picture and before input reaches it.
    m_installRun = std::make_unique<InstallRun>(catalogue::publishedFolder(DocumentsFolder) + platform::kPathSeparator);
    catalogue::KeptFileList& keptNew = m_installRun->newMaps;
    catalogue::KeptFileList& keptPublished = m_installRun->published;
    // What the passes change is drawn 25 times a second, not after every map: between two
    // pictures it keeps what it shows, while input is still taken after every map.
    QElapsedTimer sinceDrawn;
    sinceDrawn.start();
    struct Finish {
        TForm1& form;
        ~Finish()
        {
            form.m_installingAll = false;
            form.setChangesDrawn(true);
            form.m_installRun.reset();
            form.placeWaitingEditorText();
        }
    } finish{*this};

    // Keeps both lists current; true when the list of new maps changed.
    const auto keepLists = [&](bool mayRead) {
        const bool changed = keepFileList(1, keptNew, mayRead);
        keepFileList(2, keptPublished, mayRead);
        return changed;
    };
    const int passes = newFiles->count();
    // Each pass takes the first map of the list not taken yet. Where the list did not change
    // since the last pass (copies leave it as it is), the search goes on behind the last map.
    std::set<std::string, std::less<>> taken;
    std::string path;
    std::size_t searchFrom = 0;
    const auto firstUntaken = [&] {
        if (searchFrom > ListBox1.size() || (searchFrom > 0 && ListBox1[searchFrom - 1] != path))
            searchFrom = 0;
        std::size_t next = searchFrom;
        while (next < ListBox1.size() && taken.count(ListBox1[next]))
            ++next;
        return next;
    };
    for (int pass = 0; pass < passes; ++pass) {
        // What other programs changed while the window took its messages.
        if (keepLists(platform::inputWaiting()))
            searchFrom = 0;
        std::size_t next = firstUntaken();
        // A list that is not read again at every change (a tree not watched whole) may name a map that went.
        if (next < ListBox1.size() && !platform::fileExists(std::string(ListBox1[next]))) {
            refreshFileList(1);
            refreshFileList(2);
            searchFrom = 0;
            next = firstUntaken();
        }
        if (next == ListBox1.size())
            break;
        path = ListBox1[next];
        taken.insert(path);
        searchFrom = next + 1;
        newFiles->setItemIndex(static_cast<int>(next));
        publishedFiles->setItemIndex(-1);
        unpublishedFiles->setItemIndex(-1);
        showMapInfo(path);
        transferMapFiles(CheckBox2->isChecked());
        const bool frame = sinceDrawn.elapsed() >= kFrameMilliseconds;
        if (keepLists(frame || platform::inputWaiting()))
            searchFrom = 0;
        setChangesDrawn(frame);
        if (frame)
            sinceDrawn.restart();
        QCoreApplication::processEvents();
    }
    keepLists(true);
    showMapInfo({});
}

void TForm1::Button7Click()
{
    if (unpublishedFiles->itemIndex() == -1) {
        m_env.beep();
        return;
    }
    transferMapFiles(false);
    refreshFileList(1);
    refreshFileList(2);
}

void TForm1::Button4Click()
{
    if (publishedFiles->itemIndex() == -1) {
        m_env.beep();
    } else if (m_env.askYesNo(this, QStringLiteral("...!"), languageText(localisation::lines::kDeleteQuestion))) {
        for (const std::string& path : m_shownFiles.files())
            platform::recycleFile(path);
    }
    refreshFileList(2);
}
