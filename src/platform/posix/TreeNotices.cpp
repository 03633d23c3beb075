#include "platform/TreeNotices.h"

#include "platform/DirectorySearch.h"
#include "platform/FolderDescent.h"
#include "platform/FolderIndex.h"
#include "platform/FileSystem.h"
#include "platform/NameCompare.h"
#include "platform/TreeWatch.h"
#include "platform/posix/DirectoryReader.h"
#include "platform/posix/PosixFiles.h"

#include <algorithm>
#include <cerrno>
#include <set>
#include <unordered_map>

#include <limits.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace platform {

namespace {

/// What a watch reports: files that come and go in each folder, and every sign that a folder
/// itself came, went or moved, or that notices were lost. A folder whose permissions change
/// (IN_ATTRIB on a folder) may become searchable or stop being so.
constexpr uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF
    | IN_ATTRIB | IN_ONLYDIR;

} // namespace

/// One inotify instance with a watch on every folder of the tree, by watch number; a folder
/// reached along two paths (a link beside its target) has one watch and both paths.
struct InotifyWatch final : TreeWatch {
    using Change = TreeNotices::Change;
    int fd = -1;
    std::optional<FolderIdentity> root;
    std::unordered_map<int, std::vector<std::string>> folders;
    std::unordered_map<std::string, FolderIndex> indexes; ///< the folders read for look-ups
    std::set<std::string, std::less<>> watched;

    ~InotifyWatch() override { stop(); }

    void stop()
    {
        if (fd >= 0)
            close(fd);
        fd = -1;
        folders.clear();
        indexes.clear();
        watched.clear();
        pending.clear();
    }

    /// Watches `folder` and the folders a walk enters below it, as the finder does (`descent`
    /// holds the folders on the way down). False where one cannot be watched (the system's
    /// limit of watches). A folder that cannot be read is searched by nobody: it is left out,
    /// and a change of its permissions noticed.
    bool watchTree(const std::string& folder, FolderDescent& descent)
    {
        const int number = inotify_add_watch(fd, folder.c_str(), kChanges);
        if (number < 0)
            return errno == EACCES;
        folders[number].push_back(folder);
        watched.insert(folder);
        DirectoryReader dir(folder);
        if (!dir.valid())
            return true;
        while (const dirent64* entry = dir.next()) {
            if (!enters(entry->d_name))
                continue;
            const EntryKind kind = entryKind(folder, entry->d_name, entry->d_type);
            const std::string subfolder = folder + entry->d_name + "/";
            if (!kind.isFolder || !descent.enters(subfolder, kind.isLink))
                continue;
            descent.enter(subfolder);
            const bool watchedWhole = watchTree(subfolder, descent);
            descent.leave();
            if (!watchedWhole)
                return false;
        }
        return true;
    }

    /// True while the folder's path still leads to the folder watched.
    bool stillInPlace(const std::string& folder) override { return folderIdentity(folder) == root; }

    /// A fresh watch of the whole tree: every change from now on is told.
    void renew(const std::string& folder) override
    {
        stop();
        lost = false;
        root = folderIdentity(folder);
        fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        FolderDescent descent;
        descent.enter(folder);
        complete = fd >= 0 && root && watchTree(folder, descent);
    }

    /// Reads what came in: the files into `pending` and the folders' indexes; `lost` where
    /// something came that they cannot tell.
    void drain() override
    {
        alignas(inotify_event) char buffer[64 * (sizeof(inotify_event) + NAME_MAX + 1)];
        while (fd >= 0 && !lost) {
            const ssize_t length = ::read(fd, buffer, sizeof buffer);
            if (length < 0) {
                lost = errno != EAGAIN;
                return;
            }
            for (ssize_t at = 0; at < length && !lost;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                apply(*event);
            }
        }
    }

    void apply(const inotify_event& event)
    {
        // What comes or goes in a folder the walk does not enter is none of the tree's.
        if (event.len > 0 && !enters(event.name))
            return;
        if (event.mask & IN_ATTRIB) {
            if (event.mask & IN_ISDIR)
                lost = true;
            return;
        }
        // A folder that came, went or moved, and every sign of lost notices.
        const auto folder = folders.find(event.wd);
        if ((event.mask & (IN_ISDIR | IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT))
            || folder == folders.end() || event.len == 0) {
            lost = true;
            return;
        }
        const bool added = (event.mask & (IN_CREATE | IN_MOVED_TO)) != 0;
        for (const std::string& path : folder->second) {
            pending.push_back({added, path + event.name});
            const auto index = indexes.find(path);
            if (index == indexes.end())
                continue;
            if (added)
                index->second.add(event.name);
            else
                index->second.remove(event.name);
        }
    }

    void catchUp() override
    {
        // Nothing to wait for: the system queues a notice in the very call that changes a folder,
        // so every change made before this call is drained by the next take.
    }

    /// The names of the watched `folder`, read at the first look-up; nothing where it is not
    /// watched or notices were lost.
    const FolderIndex* indexOf(const std::string& folder) override
    {
        drain();
        if (lost || !watched.count(folder))
            return nullptr;
        const auto known = indexes.find(folder);
        if (known != indexes.end())
            return &known->second;
        // The watch is in place already, so nothing that changes while it is read goes unnoticed.
        DirectoryReader dir(folder);
        if (!dir.valid())
            return nullptr;
        FolderIndex& index = indexes[folder];
        while (const dirent64* entry = dir.next())
            index.add(entry->d_name);
        return &index;
    }
};

std::unique_ptr<TreeWatch> makeTreeWatch()
{
    return std::make_unique<InotifyWatch>();
}

} // namespace platform
