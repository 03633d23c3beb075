#include "platform/FolderNames.h"

#include "platform/FileSystem.h"
#include "platform/NameCompare.h"
#include "platform/posix/DirectoryReader.h"

#include <cerrno>
#include <set>
#include <unordered_map>

#include <limits.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace platform {

/// An inotify watch on the folder and the names it holds, by upper-cased name.
struct FolderNames::Notices {
    int fd = -1;
    bool current = false;
    std::unordered_map<std::string, std::set<std::string>> names;

    ~Notices()
    {
        if (fd >= 0)
            close(fd);
    }
    void add(const std::string& name) { names[upperCasedAscii(name)].insert(name); }
    void remove(const std::string& name)
    {
        const auto found = names.find(upperCasedAscii(name));
        if (found != names.end() && found->second.erase(name) && found->second.empty())
            names.erase(found);
    }
    /// Applies the notices that came in; false when the names can no longer be known from them.
    bool drain()
    {
        alignas(inotify_event) char buffer[64 * (sizeof(inotify_event) + NAME_MAX + 1)];
        for (;;) {
            const ssize_t length = read(fd, buffer, sizeof buffer);
            if (length < 0)
                return errno == EAGAIN;
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                if (event->mask & (IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT))
                    return false;
                if (event->len == 0)
                    continue;
                if (event->mask & (IN_CREATE | IN_MOVED_TO))
                    add(event->name);
                else if (event->mask & (IN_DELETE | IN_MOVED_FROM))
                    remove(event->name);
            }
        }
    }
    /// Reads the folder anew; the watch is in place first, so nothing between goes unnoticed.
    bool reread(const std::string& folder)
    {
        names.clear();
        DirectoryReader dir(folder);
        if (!dir.valid())
            return false;
        while (const dirent64* entry = dir.next())
            add(entry->d_name);
        return drain();
    }
};

FolderNames::FolderNames(std::string folder) : m_folder(std::move(folder))
{
    auto notices = std::make_unique<Notices>();
    notices->fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    const uint32_t changes = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF
        | IN_ONLYDIR;
    if (notices->fd >= 0 && inotify_add_watch(notices->fd, m_folder.c_str(), changes) >= 0)
        m_notices = std::move(notices);
}

FolderNames::~FolderNames() = default;

std::vector<std::optional<std::string>> FolderNames::find(const std::vector<std::string>& names)
{
    if (!m_notices)
        return findAllIgnoringCase(m_folder, names);
    m_notices->current = (m_notices->current && m_notices->drain()) || m_notices->reread(m_folder);
    if (!m_notices->current)
        return findAllIgnoringCase(m_folder, names);
    std::vector<std::optional<std::string>> found;
    for (const std::string& name : names) {
        const auto spellings = m_notices->names.find(upperCasedAscii(name));
        if (spellings == m_notices->names.end())
            found.emplace_back();
        else // an exact match is preferred
            found.emplace_back(spellings->second.count(name) ? name : *spellings->second.begin());
    }
    return found;
}

} // namespace platform
