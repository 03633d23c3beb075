#include "platform/TreeNotices.h"

#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/win32/DirectoryReader.h"
#include "platform/win32/Win32Files.h"

#include <windows.h>

#include <vector>

namespace platform {

namespace {

/// One change notice request on a whole tree, for one kind of names (files, or folders), kept
/// going: the system gathers what changes between two reads.
class TreeReader {
public:
    TreeReader(const std::string& folder, DWORD filter) : m_filter(filter), m_buffer(16 * 1024)
    {
        m_folder = CreateFileW(widePath(folder).c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
        m_overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_started = m_folder != INVALID_HANDLE_VALUE && m_overlapped.hEvent && start();
    }
    ~TreeReader()
    {
        if (m_started) {
            CancelIoEx(m_folder, &m_overlapped);
            DWORD bytes = 0;
            GetOverlappedResult(m_folder, &m_overlapped, &bytes, TRUE);
        }
        if (m_folder != INVALID_HANDLE_VALUE)
            CloseHandle(m_folder);
        if (m_overlapped.hEvent)
            CloseHandle(m_overlapped.hEvent);
    }
    TreeReader(const TreeReader&) = delete;
    TreeReader& operator=(const TreeReader&) = delete;

    bool started() const { return m_started; }

    /// Hands each name told since the last call to `told(action, name below the folder)`;
    /// false when notices were lost (too many at once, or the request failed).
    template <class Told>
    bool read(Told told)
    {
        for (;;) {
            DWORD bytes = 0;
            if (!GetOverlappedResult(m_folder, &m_overlapped, &bytes, FALSE))
                return GetLastError() == ERROR_IO_INCOMPLETE;
            // No bytes: more changed than the buffer held.
            if (bytes == 0)
                return false;
            for (DWORD at = 0;;) {
                const auto* record = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(m_buffer.data() + at);
                told(record->Action, utf8FromWide(std::wstring_view(record->FileName, record->FileNameLength / sizeof(wchar_t))));
                if (record->NextEntryOffset == 0)
                    break;
                at += record->NextEntryOffset;
            }
            if (!(m_started = start()))
                return false;
        }
    }

private:
    bool start()
    {
        return ReadDirectoryChangesW(m_folder, m_buffer.data(), static_cast<DWORD>(m_buffer.size() * sizeof(DWORD)), TRUE,
                                     m_filter, nullptr, &m_overlapped, nullptr);
    }

    HANDLE m_folder = INVALID_HANDLE_VALUE;
    OVERLAPPED m_overlapped {};
    DWORD m_filter;
    std::vector<DWORD> m_buffer; ///< DWORD-aligned, as the system wants it
    bool m_started = false;
};

/// True when no folder below `folder` is a link (a junction or symbolic link): the system's
/// notices of a tree stop at links, where a search goes on.
bool holdsNoLinks(const std::string& folder)
{
    DirectoryReader reader(folder + "*");
    while (const WIN32_FIND_DATAW* data = reader.next()) {
        if (!(data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        const std::string name = utf8FromWide(data->cFileName);
        if (name == "." || name == "..")
            continue;
        if ((data->dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || !holdsNoLinks(folder + name + "\\"))
            return false;
    }
    return true;
}

} // namespace

/// Two requests on the tree: one for files, whose changes are told, and one for folders, any
/// change of which is a change the list cannot be kept through.
struct TreeNotices::Watch {
    std::optional<FolderIdentity> root;
    std::unique_ptr<TreeReader> files, folders;
    bool complete = false;

    void renew(const std::string& folder)
    {
        files.reset();
        folders.reset();
        root = folderIdentity(folder);
        files = std::make_unique<TreeReader>(folder, FILE_NOTIFY_CHANGE_FILE_NAME);
        folders = std::make_unique<TreeReader>(folder, FILE_NOTIFY_CHANGE_DIR_NAME);
        // The watch is in place before the tree is looked at: nothing between goes unnoticed.
        complete = root && files->started() && folders->started() && holdsNoLinks(folder);
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
    Watch& watch = *m_watch;
    bool foldersChanged = false;
    bool lost = !watch.folders->read([&](DWORD, const std::string&) { foldersChanged = true; }) || foldersChanged;
    lost = !watch.files->read([&](DWORD action, const std::string& name) {
        const bool added = action == FILE_ACTION_ADDED || action == FILE_ACTION_RENAMED_NEW_NAME;
        if (added || action == FILE_ACTION_REMOVED || action == FILE_ACTION_RENAMED_OLD_NAME)
            changes.push_back({added, m_folder + name});
    }) || lost;
    // The folder renamed or removed, or one above it: the path names another folder now, or none.
    if (folderIdentity(m_folder) != watch.root) {
        changes.clear();
        watch.renew(m_folder);
        return Outcome::Lost;
    }
    if (!watch.complete) {
        changes.clear();
        return Outcome::NotGiven;
    }
    if (lost) {
        changes.clear();
        watch.renew(m_folder);
        return Outcome::Lost;
    }
    return Outcome::Told;
}

std::vector<std::optional<std::string>> TreeNotices::find(const std::string& folder, const std::vector<std::string>& names)
{
    // The file system's own index answers each look-up: there is nothing to keep.
    return findAllIgnoringCase(folder, names);
}

} // namespace platform
