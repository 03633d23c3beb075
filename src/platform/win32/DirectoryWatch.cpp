#include "platform/win32/DirectoryWatch.h"

#include "platform/win32/Win32Files.h"

#include <cstddef>
#include <cstring>

namespace platform {

namespace {

/// Names of files and of folders: what lists and their look-ups need.
constexpr DWORD kChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME;
/// What one request holds: the most that a request on a network drive may.
constexpr DWORD kBufferBytes = 64 * 1024;
constexpr std::size_t kRecordHead = offsetof(FILE_NOTIFY_INFORMATION, FileName);

} // namespace

DirectoryWatch::DirectoryWatch(const std::string& folder) : m_folder(folder), m_buffer(kBufferBytes / sizeof(DWORD))
{
    m_handle = CreateFileW(widePath(folder).c_str(), FILE_LIST_DIRECTORY,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    m_event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_overlapped.hEvent = m_event;
    m_requested = m_handle != INVALID_HANDLE_VALUE && m_event && request();
}

DirectoryWatch::~DirectoryWatch()
{
    if (m_requested) {
        // The request writes into the buffer until it is cancelled for sure.
        DWORD bytes = 0;
        CancelIoEx(m_handle, &m_overlapped);
        GetOverlappedResult(m_handle, &m_overlapped, &bytes, TRUE);
    }
    if (m_handle != INVALID_HANDLE_VALUE)
        CloseHandle(m_handle);
    if (m_event)
        CloseHandle(m_event);
}

std::wstring DirectoryWatch::currentPath() const
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(m_handle, path.data(), static_cast<DWORD>(path.size()), 0);
        if (length == 0)
            return {};
        if (length < path.size())
            return path.substr(0, length);
        path.resize(length);
    }
}

bool DirectoryWatch::request()
{
    ResetEvent(m_event);
    m_requested = ReadDirectoryChangesW(m_handle, m_buffer.data(), kBufferBytes, TRUE, kChanges, nullptr,
                                        &m_overlapped, nullptr);
    return m_requested;
}

DirectoryWatch::Read DirectoryWatch::read(DWORD milliseconds, const Record& record)
{
    if (!m_requested)
        return Read::Lost;
    // Without a wait, a request still under way is seen without asking the system (which hands
    // a completed one over at the thread's next wait, as the window's event loop makes).
    const bool completedNow = milliseconds == 0 ? HasOverlappedIoCompleted(&m_overlapped)
                                                : WaitForSingleObject(m_event, milliseconds) == WAIT_OBJECT_0;
    if (!completedNow)
        return Read::Nothing;
    DWORD bytes = 0;
    const bool completed = GetOverlappedResult(m_handle, &m_overlapped, &bytes, FALSE);
    if (!completed && GetLastError() == ERROR_IO_INCOMPLETE)
        return Read::Nothing;
    m_requested = false;
    // No bytes: the system's own buffer ran over, and what it held is gone.
    const bool told = completed && bytes > 0 && tell(bytes, record);
    return request() && told ? Read::Told : Read::Lost;
}

bool DirectoryWatch::tell(DWORD bytes, const Record& record) const
{
    // Records are read by copy: Windows places them on whole DWORDs, Wine one after the other.
    const auto* records = reinterpret_cast<const std::byte*>(m_buffer.data());
    for (std::size_t at = 0;;) {
        FILE_NOTIFY_INFORMATION head;
        if (at + kRecordHead > bytes)
            return false;
        std::memcpy(&head, records + at, kRecordHead);
        const std::size_t end = at + kRecordHead + head.FileNameLength;
        if (head.FileNameLength % sizeof(WCHAR) != 0 || end > bytes)
            return false;
        std::wstring name(head.FileNameLength / sizeof(WCHAR), L'\0');
        std::memcpy(name.data(), records + at + kRecordHead, head.FileNameLength);
        switch (head.Action) {
        case FILE_ACTION_ADDED:
        case FILE_ACTION_RENAMED_NEW_NAME:
            record(true, utf8FromWide(name));
            break;
        case FILE_ACTION_REMOVED:
        case FILE_ACTION_RENAMED_OLD_NAME:
            record(false, utf8FromWide(name));
            break;
        default:
            break; // a file's contents or times: no name changed
        }
        if (head.NextEntryOffset == 0)
            return true;
        // The next record lies past this one, within what was written.
        if (at + head.NextEntryOffset < end)
            return false;
        at += head.NextEntryOffset;
    }
}

} // namespace platform
