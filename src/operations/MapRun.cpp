// A run over maps: the maps acted on one after the other, the lists kept between them, the
// pictures paced.

#include "operations/MapRun.h"

#include "catalogue/MapNames.h"
#include "operations/MapTakeOut.h"
#include "platform/FileSystem.h"
#include "platform/FileTransfer.h"

#include <algorithm>

namespace operations {

namespace {

/// How often a run draws what it changes while it goes on: 25 pictures a second, as film shows
/// motion, where a picture is quick to draw.
constexpr std::chrono::milliseconds kFrame {40};
/// How much longer than a picture took the run goes on before the next: pictures are at most a
/// twentieth of the run, so that a run through the window costs little more than one without.
constexpr int kPauseForDrawing = 19;
/// How often the progress is told at most: the progress box is a window of its own, and costs
/// about as much as a picture of the main window.
constexpr std::chrono::milliseconds kProgressGap {250};

} // namespace

MapRun::MapRun(MapRunParams params) : m_params(std::move(params)), m_frameGap(kFrame)
{
    // After each map the two lists are what the rebuilds would read, kept from the folders'
    // change notices (the run's own moves among them) instead of read again: a run costs the
    // maps it acts on, not the square of them. The same notices keep the names of both folders
    // for the look-ups of companions and namesakes. One map needs none of that: it is acted on
    // and both lists are read.
    if (m_params.maps.size() > 1)
        m_kept.emplace(m_params.publishedFolder);
    // The new maps by file name, for taking out: a map installed by copying from a pack is
    // still there further down.
    if (m_params.action == MapAction::TakeOut) {
        for (const std::string& path : m_params.newMaps)
            m_newByName.add(catalogue::fileNameOf(path), path);
    }
}

platform::FolderNames& MapRun::newMapNames() const
{
    return m_kept ? m_kept->newMaps.names() : platform::diskNames();
}

void MapRun::run(MapRunObserver& observer)
{
    m_observer = &observer;
    observer.drawChanges(false);
    m_drawn = Clock::now();
    const std::vector<std::string>& maps = m_params.maps;
    for (std::size_t done = 0; done < maps.size() && !m_interrupted; ++done) {
        const std::string& path = maps[done];
        // A map that went since the press (the user or another program took it) is passed
        // over; its list learns it from the notices, or is read at the next picture.
        if (!platform::fileExists(path))
            continue;
        const bool picture = Clock::now() - m_drawn >= m_frameGap;
        const catalogue::MapFileSet files = filesOf(path);
        observer.acting(path, files, picture || done + 1 == maps.size());
        act(path, files);
        afterMap(path, done + 1, picture);
    }
    finishLists();
    m_observer = nullptr;
}

catalogue::MapFileSet MapRun::filesOf(const std::string& path) const
{
    return m_params.seen.shows(path) ? m_params.seen.files() : catalogue::mapFileSetOf(path, newMapNames());
}

void MapRun::act(const std::string& path, const catalogue::MapFileSet& files)
{
    switch (m_params.action) {
    case MapAction::Install:
    case MapAction::InstallAll:
        transfer(files, m_params.move);
        break;
    case MapAction::Copy:
        transfer(files, false);
        break;
    case MapAction::Delete:
        for (const std::string& file : files.files())
            platform::recycleFile(file);
        break;
    case MapAction::TakeOut:
        takeOutMap(path, m_params.newMapsFolder, m_newByName.valuesOf(catalogue::fileNameOf(path)));
        break;
    }
}

void MapRun::transfer(const catalogue::MapFileSet& files, bool move)
{
    // The package and its companions get the package's spelling of the name. Failures are not
    // reported: the lists show the outcome.
    platform::KeptFolder kept;
    if (m_kept)
        kept = {&m_kept->published.names(), &m_kept->publishedSweep};
    if (move)
        platform::moveFilesInto(m_params.publishedFolder, files.toPlace(), kept);
    else
        platform::copyFilesInto(m_params.publishedFolder, files.toPlace(), kept);
}

void MapRun::keepLists(bool mayRead)
{
    // The published maps, and the new maps unless maps are deleted. A run of one map reads
    // both at its end.
    if (m_kept)
        m_observer->keepLists(m_params.action == MapAction::Delete ? nullptr : &m_kept->newMaps, m_kept->published, mayRead);
}

void MapRun::finishLists()
{
    // At the end the lists are what a reading gives: the notices the system tells late (Windows
    // does) are caught up with, and a list is read only where they cannot tell.
    if (!m_kept) {
        m_observer->readLists();
        return;
    }
    if (m_params.action != MapAction::Delete)
        m_kept->newMaps.catchUp();
    m_kept->published.catchUp();
    keepLists(true);
}

void MapRun::afterMap(const std::string& path, std::size_t done, bool frame)
{
    // Between two pictures nothing the run changes is drawn or laid out; after a picture that
    // took long (a slow display, a long list), the next one waits nineteen times as long.
    keepLists(frame);
    if (!frame) {
        m_observer->takeInput();
        return;
    }
    const Clock::time_point start = Clock::now();
    m_observer->drawChanges(true);
    if (!m_progressTold || start - *m_progressTold >= kProgressGap) {
        m_progressTold = start;
        m_observer->progressUpdated(path, done, m_params.maps.size());
    }
    m_observer->takeInput();
    m_observer->drawChanges(false);
    m_drawn = Clock::now();
    m_frameGap = std::max<Clock::duration>(kFrame, kPauseForDrawing * (m_drawn - start));
}

} // namespace operations
