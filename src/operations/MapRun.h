#pragma once

// A run over maps: installing, copying, deleting or taking out the maps taken at the press, one
// after the other, on the window's thread. The run acts on the files; what the window shows of it
// goes through an observer.

#include "catalogue/KeptFileList.h"
#include "catalogue/MapFileSet.h"
#include "operations/ShownMap.h"
#include "platform/LeftoverSweep.h"
#include "platform/NameIndex.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace operations {

/// What a run over maps does with each of them.
enum class MapAction { Install, InstallAll, Copy, Delete, TakeOut };

/// What a run is given at the press.
struct MapRunParams {
    MapAction action = MapAction::Install;
    std::vector<std::string> maps; ///< full paths, in their list's order
    bool move = true;              ///< installing moves the maps (else copies them)
    std::string publishedFolder;   ///< ends in the separator
    std::string newMapsFolder;     ///< where maps taken out go
    std::vector<std::string> newMaps; ///< taking out: the new maps listed at the press
    /// The map the user saw in the details panel at the press: acted on with the files found
    /// then (a companion that came after is not taken along).
    ShownMap seen;
};

/// What the window is told of a run, and what it does for it.
class MapRunObserver {
public:
    virtual ~MapRunObserver() = default;
    /// The run acts on `path` with `files` next; `seen` when the user sees it (a picture
    /// follows, or it is the last map).
    virtual void acting(const std::string& path, const catalogue::MapFileSet& files, bool seen) = 0;
    /// Between two maps: the lists brought up to date from the kept ones (`newMaps` is null
    /// where the run does not change the new maps); read where they cannot be kept only when
    /// `mayRead`.
    virtual void keepLists(catalogue::KeptFileList* newMaps, catalogue::KeptFileList& published, bool mayRead) = 0;
    /// A run of one map keeps nothing: both lists are read at its end.
    virtual void readLists() = 0;
    /// Whether what the run changes is drawn: only at its pictures.
    virtual void drawChanges(bool drawn) = 0;
    /// `done` of `total` maps are done, `path` the last.
    virtual void progressUpdated(const std::string& path, std::size_t done, std::size_t total) = 0;
    /// The window's events run (the user's clicks among them, a cancel too).
    virtual void takeInput() = 0;
};

/// One run over the maps taken at the press, in their list's order: each map is acted on;
/// between two maps the lists it changes are kept current from the folders' change notices and
/// the window takes its input (the progress is no modal dialog); it is drawn up to 25 times a
/// second, and pictures take at most a twentieth of the run. A cancel request stops it between
/// two maps.
class MapRun {
public:
    explicit MapRun(MapRunParams params);

    void run(MapRunObserver& observer);
    /// Stops the run after the map it acts on.
    void requestInterruption() { m_interrupted = true; }

    /// True where the run keeps the lists from notices (a run of several maps).
    bool keepsLists() const { return m_kept.has_value(); }
    /// The names in the new-maps folders: those the run keeps, else the disk's.
    platform::FolderNames& newMapNames() const;

private:
    /// What a run over several maps keeps of the new-maps and published folders: their lists,
    /// kept from the folders' change notices, which also know the names in them.
    struct Kept {
        explicit Kept(std::string publishedFolder) : publishedSweep(std::move(publishedFolder)) {}
        catalogue::KeptFileList newMaps, published;
        /// The published folder's sweep of leftover temporary files, once for the whole run.
        platform::LeftoverSweep publishedSweep;
    };

    catalogue::MapFileSet filesOf(const std::string& path) const;
    void act(const std::string& path, const catalogue::MapFileSet& files);
    void transfer(const catalogue::MapFileSet& files, bool move);
    void keepLists(bool mayRead);
    void finishLists();
    /// After a map: the lists kept, the changes drawn where a picture is due (`frame`), the
    /// window's input taken.
    void afterMap(const std::string& path, std::size_t done, bool frame);

    MapRunParams m_params;
    MapRunObserver* m_observer = nullptr;
    std::optional<Kept> m_kept;
    bool m_interrupted = false;
    using Clock = std::chrono::steady_clock;
    Clock::time_point m_drawn;                   ///< when the last picture ended
    std::optional<Clock::time_point> m_progressTold;
    Clock::duration m_frameGap;                  ///< from one picture's end to the next one's start
    platform::NameIndex<std::string> m_newByName; ///< taking out: the new maps by file name
};

} // namespace operations
