#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform {

/// What the system reports of the changes below a folder and all its subfolders while the
/// object lives, so that a list of the files there can be kept without reading it again.
class TreeNotices {
public:
    /// One file that came (created, or moved or renamed into the tree) or went.
    struct Change {
        bool added;
        std::string path; ///< full
    };
    enum class Outcome {
        Told,     ///< the changes since the last call are all in the list
        Lost,     ///< some were not told (a folder came or went, too many at once): read the tree again
        NotGiven, ///< this system gives no such notices (Windows): read the tree when it matters
    };

    /// `folder` ends in the separator. The watch starts here: what changes later is told.
    explicit TreeNotices(std::string folder);
    ~TreeNotices();
    TreeNotices(const TreeNotices&) = delete;
    TreeNotices& operator=(const TreeNotices&) = delete;

    /// The changes since the last call, in the order they happened, into `changes` (emptied
    /// first). After Lost the watch is renewed: what changes from then on is told again.
    Outcome take(std::vector<Change>& changes);

private:
    struct Watch;
    std::string m_folder;
    std::unique_ptr<Watch> m_watch;
};

} // namespace platform
