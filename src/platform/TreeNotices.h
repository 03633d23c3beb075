#pragma once

#include "platform/FolderDescent.h"
#include "platform/FolderNames.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class TreeWatch;

/// What the system reports of the changes below a folder and all its subfolders (folder links
/// the finder follows included) while the object lives, so that a list of the files there, and
/// the names in each of its folders, can be kept without reading them again. It is the one
/// watcher of a tree: the list of its maps and the look-ups of names in its folders both take
/// what it is told.
class TreeNotices : public FolderNames {
public:
    /// One file that came (created, or moved or renamed into the tree) or went.
    struct Change {
        bool added;
        std::string path; ///< full
    };
    enum class Outcome {
        Told,     ///< the changes since the last call are all in the list
        Lost,     ///< some were not told (a folder came or went, the folder itself was moved,
                  ///< too many at once): read the tree again
        NotGiven, ///< no notices here (a tree that cannot be watched whole: the system's
                  ///< limit of watches, a network drive without notices): read the tree when it matters
    };

    /// `folder` ends in the separator. The watch starts here: what changes later is told, in the
    /// folders a walk enters (`enters`, as the finder enters them); what comes or goes in others
    /// is none of the tree's.
    explicit TreeNotices(std::string folder, EntersFolder enters = entersEveryFolder);
    ~TreeNotices() override;
    TreeNotices(const TreeNotices&) = delete;
    TreeNotices& operator=(const TreeNotices&) = delete;

    /// The changes since the last call, in the order they happened, into `changes` (emptied
    /// first). After Lost the watch is renewed: what changes from then on is told again.
    Outcome take(std::vector<Change>& changes);

    /// Makes the next `take` tell every change made before this call, however late the system
    /// tells it (Windows does so some time after the change, Wine later still): a marker file
    /// is made in each watched folder and its notice waited for, bounded; as notices come in
    /// order, all before it are in then. A marker that does not come makes the next take Lost.
    /// Markers are hidden, named like no map, removed again, and never told as changes.
    void catchUp();

    /// What findAllIgnoringCase(`folder`, `names`) answers, for any `folder` (ending in the
    /// separator), as far as the notices have told the changes (all made before the last
    /// catchUp): a folder of the tree is read at its first look-up and then known from the
    /// notices, so that many look-ups in a row read nothing; others are read each time.
    std::vector<std::optional<std::string>> find(const std::string& folder, const std::vector<std::string>& names) override;

private:
    std::string m_folder;
    std::unique_ptr<TreeWatch> m_watch;
};

} // namespace platform
