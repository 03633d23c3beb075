// Installing new maps, copying unpublished maps, deleting published maps and taking them out of
// the game: each a run over the maps taken at the press, one map or many.

#include "app/Display.h"
#include "app/Environment.h"
#include "app/ProgressBox.h"
#include "app/Unit1.h"
#include "catalogue/KeptFileList.h"
#include "catalogue/MapFileSet.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"
#include "operations/InstallRun.h"
#include "operations/MapTakeOut.h"
#include "platform/FileSystem.h"
#include "platform/FileTransfer.h"
#include "platform/PathSeparator.h"
#include "platform/NameCompare.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <initializer_list>
#include <unordered_map>
#include <vector>

namespace {

/// How often a run draws what it changes while it goes on: 25 pictures a second, as film shows
/// motion, where a picture is quick to draw.
constexpr qint64 kFrameMilliseconds = 40;
/// How much longer than a picture took the run goes on before the next: pictures are at most a
/// twentieth of the run, so that a run through the window costs little more than one without.
constexpr qint64 kPauseForDrawing = 19;
/// How often the progress box is drawn anew at most: a window of its own, it costs about as much
/// as a picture of the main window.
constexpr qint64 kProgressMilliseconds = 250;

} // namespace

/// One run over the maps taken at the press, in their list's order: each map is acted on (and
/// shown in the details panel where that can be seen); between two maps the lists it changes
/// are kept current from the folders' change notices and the window takes its input (the
/// user's clicks among it: the progress is no modal dialog); it is drawn up to 25 times a
/// second; a run that will take more than a second shows its progress with a button to cancel,
/// which stops it between two maps.
class MapRun {
public:
    MapRun(TForm1& form, TForm1::MapAction action, std::vector<std::string> maps)
        : m_form(form), m_action(action), m_maps(std::move(maps)),
          m_progress(&form, form.languageText(localisation::lines::kCancel), Qt::NonModal)
    {
        // The new maps by file name, for taking out: a map installed by copying from a pack
        // is still there further down.
        if (m_action == TForm1::MapAction::TakeOut) {
            for (const std::string_view path : m_form.ListBox1)
                m_newByName.emplace(platform::upperCasedAscii(catalogue::fileNameOf(std::string(path))), path);
        }
    }

    void run()
    {
        m_form.setChangesDrawn(false);
        m_sinceDrawn.start();
        for (std::size_t done = 0; done < m_maps.size(); ++done) {
            const std::string& path = m_maps[done];
            if (!stillThere(path))
                continue;
            const bool picture = m_sinceDrawn.elapsed() >= m_frameGap;
            show(path, picture || done + 1 == m_maps.size());
            act(path);
            if (!drawAndTakeInput(path, done + 1, picture))
                break;
        }
        readLists();
    }

private:
    /// Keeps the lists the run changes current: the published maps, and the new maps unless
    /// maps are deleted.
    void keepLists(bool mayRead)
    {
        if (!m_form.m_installRun)
            return; // one map: the lists are read at the end, as for any single map
        if (m_action != TForm1::MapAction::Delete)
            m_form.keepFileList(TForm1::ListKind::NewMaps, m_form.m_installRun->newMaps, mayRead);
        m_form.keepFileList(TForm1::ListKind::Published, m_form.m_installRun->published, mayRead);
    }

    /// At the end the lists are what a reading gives: the notices the system tells late (Windows
    /// does) are caught up with, and a list is read only where they cannot tell. A run of one
    /// map reads both lists.
    void readLists()
    {
        if (!m_form.m_installRun) {
            m_form.refreshFileList(TForm1::ListKind::NewMaps);
            m_form.refreshFileList(TForm1::ListKind::Published);
            return;
        }
        if (m_action != TForm1::MapAction::Delete)
            m_form.m_installRun->newMaps.catchUp();
        m_form.m_installRun->published.catchUp();
        keepLists(true);
    }

    /// False for a map that went since the press (the user or another program took it); its
    /// list learns it from the notices, or is read at the next picture where there are none.
    bool stillThere(const std::string& path) { return platform::fileExists(path); }

    /// The details panel shows the map, as a click on it would, where that can be seen: when a
    /// picture follows the map, and for the run's last map (`seen`), and where the panel
    /// meanwhile shows what the run did not put there (the user clicked a map or refreshed), so
    /// that all it says is of one map. Between two pictures nothing of the panel is drawn, and
    /// filling it (its texts, the sizes of the files, the INI file) costs more than moving the
    /// map. Install all clears the other lists' selections, as the click. (The click's selection
    /// in the new maps would be cleared again when the list is kept after the map, before
    /// anything is drawn: it is not made.) The file set acted on is the one the panel recorded,
    /// or found as the panel finds it.
    void show(const std::string& path, bool seen)
    {
        if (m_action == TForm1::MapAction::InstallAll) {
            m_form.publishedFiles->setItemIndex(-1);
            m_form.unpublishedFiles->setItemIndex(-1);
        }
        if (seen || !panelShows(m_shownInPanel)) {
            if (!panelShows(path))
                m_form.showMapInfo(path);
            m_shownInPanel = path;
        }
        // The companions that go along: those the panel recorded where it shows the map.
        m_files = panelShows(path) ? m_form.m_shownMap.files() : catalogue::mapFileSetOf(path, m_form.keptNewMapNames());
    }

    bool panelShows(const std::string& path) const
    {
        return m_form.m_shownMap.shows(path);
    }

    void act(const std::string& path)
    {
        switch (m_action) {
        case TForm1::MapAction::Install:
        case TForm1::MapAction::InstallAll:
            m_form.transferMapFiles(m_files, m_form.CheckBox2->isChecked());
            break;
        case TForm1::MapAction::Copy:
            m_form.transferMapFiles(m_files, false);
            break;
        case TForm1::MapAction::Delete:
            for (const std::string& file : m_files.files())
                platform::recycleFile(file);
            break;
        case TForm1::MapAction::TakeOut:
            operations::takeOutMap(path, m_form.NewMapsFolder, newMapsNamed(path));
            break;
        }
    }

    /// The new maps of the file name of `path`.
    std::vector<std::string> newMapsNamed(const std::string& path) const
    {
        std::vector<std::string> named;
        const auto [first, last] = m_newByName.equal_range(platform::upperCasedAscii(catalogue::fileNameOf(path)));
        for (auto at = first; at != last; ++at)
            named.push_back(at->second);
        return named;
    }

    /// After a map: the lists kept; when a picture is due (`frame`), the changes drawn in it;
    /// the window's events taken (the user's clicks among them); false when the user cancelled.
    /// Between two pictures nothing the run changes is drawn or laid out, and pictures never take
    /// more than a twentieth of the run: after a picture that took long (a slow display, a long
    /// list), the next one waits nineteen times as long. The progress box is told at most four
    /// times a second.
    bool drawAndTakeInput(const std::string& path, std::size_t done, bool frame)
    {
        keepLists(frame);
        if (!frame) {
            QCoreApplication::processEvents();
            return !m_progress.cancelled();
        }
        QElapsedTimer drawing;
        drawing.start();
        m_form.setChangesDrawn(true);
        m_form.recountLists();
        if (!m_sinceProgress.isValid() || m_sinceProgress.elapsed() >= kProgressMilliseconds) {
            m_sinceProgress.start();
            m_progress.show(m_form.actionButton(m_action)->text() + QLatin1Char(' ') + toDisplay(catalogue::baseName(path)),
                            done, m_maps.size());
        }
        QCoreApplication::processEvents();
        m_form.setChangesDrawn(false);
        m_frameGap = std::max(kFrameMilliseconds, kPauseForDrawing * drawing.elapsed());
        m_sinceDrawn.restart();
        return !m_progress.cancelled();
    }

    TForm1& m_form;
    TForm1::MapAction m_action;
    std::vector<std::string> m_maps; ///< taken at the press
    ProgressBox m_progress;
    QElapsedTimer m_sinceDrawn;
    QElapsedTimer m_sinceProgress; ///< invalid until the progress is first told
    qint64 m_frameGap = kFrameMilliseconds; ///< from one picture's end to the next one's start
    catalogue::MapFileSet m_files; ///< of the map acted on
    std::string m_shownInPanel;    ///< the map the run last showed in the details panel
    std::unordered_multimap<std::string, std::string> m_newByName; ///< taking out: the new maps by upper-cased file name
};

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

QPushButton* TForm1::actionButton(MapAction action) const
{
    switch (action) {
    case MapAction::Install: return Button1;
    case MapAction::InstallAll: return Button2;
    case MapAction::Copy: return Button7;
    case MapAction::Delete: return Button4;
    case MapAction::TakeOut: return Button10;
    }
    return Button1;
}

void TForm1::transferMapFiles(const catalogue::MapFileSet& files, bool move)
{
    // The package and its companions get the package's spelling of the name. Failures are not
    // reported: the rebuilt lists show the outcome.
    const std::string destination = catalogue::publishedFolder(DocumentsFolder) + platform::kPathSeparator;
    platform::KeptFolder kept;
    if (m_installRun)
        kept = {m_installRun->published.notices(), &m_installRun->publishedSweep};
    if (move)
        platform::moveFilesInto(destination, files.toPlace(), kept);
    else
        platform::copyFilesInto(destination, files.toPlace(), kept);
}

void TForm1::runOverMaps(MapAction action, std::vector<std::string> maps)
{
    // The passes let other events run; a press meanwhile would start a run of its own.
    if (m_mapRunning) {
        m_env.beep();
        return;
    }
    m_mapRunning = true;
    // The selection is acted on: its sizes are not added up meanwhile, and are told again after.
    m_selectionSizeSteps->stop();
    // After each map the two lists are what the rebuilds would read, kept from the folders'
    // change notices (the run's own moves among them) instead of read again: a run costs the
    // maps it acts on, not the square of them. The same notices keep the names of both folders
    // for the look-ups of companions and namesakes. Where there are no such notices (a tree
    // that cannot be watched whole), a list is read again once a picture: between two pictures
    // nothing of it is drawn and no input reaches it (its rebuild is held). One map needs none
    // of that: it is acted on and both lists are read.
    if (maps.size() > 1)
        m_installRun = std::make_unique<InstallRun>(catalogue::publishedFolder(DocumentsFolder) + platform::kPathSeparator);
    struct Finish {
        TForm1& form;
        ~Finish()
        {
            form.m_mapRunning = false;
            form.setChangesDrawn(true);
            form.m_installRun.reset();
            form.placeWaitingEditorText();
        }
    } finish{*this};
    MapRun(*this, action, std::move(maps)).run();
    setChangesDrawn(true);
    recountLists();
    showSelection();
}

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
