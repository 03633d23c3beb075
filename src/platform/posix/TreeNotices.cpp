#include "platform/TreeNotices.h"

#include "platform/posix/DirectoryReader.h"
#include "platform/posix/PosixFiles.h"

#include <cerrno>
#include <unordered_map>

#include <limits.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace platform {

/// One inotify instance with a watch on every folder of the tree, by watch number.
struct TreeNotices::Watch {
    int fd = -1;
    bool complete = false; ///< every folder of the tree is watched
    std::unordered_map<int, std::string> folders;

    ~Watch()
    {
        if (fd >= 0)
            close(fd);
    }

    /// Watches `folder` and the folders below it; false where one cannot be watched or the
    /// tree holds a link to a folder (which a search enters: its changes would go untold).
    bool watchTree(const std::string& folder)
    {
        constexpr uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF
            | IN_MOVE_SELF | IN_ONLYDIR | IN_DONT_FOLLOW;
        const int number = inotify_add_watch(fd, folder.c_str(), kChanges);
        if (number < 0)
            return false;
        folders[number] = folder;
        DirectoryReader dir(folder);
        if (!dir.valid())
            return false;
        while (const dirent64* entry = dir.next()) {
            const std::string_view name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            const EntryKind kind = entryKind(folder, entry->d_name, entry->d_type);
            if (kind.isFolder && (kind.isLink || !watchTree(folder + entry->d_name + "/")))
                return false;
        }
        return true;
    }

    /// A fresh watch of the whole tree: every change from now on is told.
    void renew(const std::string& folder)
    {
        if (fd >= 0)
            close(fd);
        folders.clear();
        fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        complete = fd >= 0 && watchTree(folder);
    }

    /// Reads what came in; false when something came that the changes cannot tell.
    bool read(std::vector<Change>& changes)
    {
        alignas(inotify_event) char buffer[64 * (sizeof(inotify_event) + NAME_MAX + 1)];
        for (;;) {
            const ssize_t length = ::read(fd, buffer, sizeof buffer);
            if (length < 0)
                return errno == EAGAIN;
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                // A folder that came, went or moved, and every sign of lost notices.
                if (event->mask & (IN_ISDIR | IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT))
                    return false;
                const auto folder = folders.find(event->wd);
                if (folder == folders.end() || event->len == 0)
                    return false;
                changes.push_back({(event->mask & (IN_CREATE | IN_MOVED_TO)) != 0, folder->second + event->name});
            }
        }
    }
};

TreeNotices::TreeNotices(std::string folder) : m_folder(std::move(folder)), m_watch(std::make_unique<Watch>())
{
    m_watch->renew(m_folder);
}

TreeNotices::~TreeNotices() = default;

TreeNotices::Outcome TreeNotices::take(std::vector<Change>& changes)
{
    changes.clear();
    if (m_watch->complete && m_watch->read(changes))
        return Outcome::Told;
    changes.clear();
    m_watch->renew(m_folder);
    return Outcome::Lost;
}

} // namespace platform
