#include "platform/win32/DirectoryWatch.h"

#include "platform/win32/Win32Files.h"

#include <cstddef>

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
    // The wait is also where the system hands a completed request over (Wine does it so).
    if (WaitForSingleObject(m_event, milliseconds) != WAIT_OBJECT_0)
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
    const auto* records = reinterpret_cast<const std::byte*>(m_buffer.data());
    for (std::size_t at = 0;;) {
        if (at + kRecordHead > bytes)
            return false;
        const auto* info = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(records + at);
        const std::size_t end = at + kRecordHead + info->FileNameLength;
        if (info->FileNameLength % sizeof(WCHAR) != 0 || end > bytes)
            return false;
        const std::wstring_view name(info->FileName, info->FileNameLength / sizeof(WCHAR));
        switch (info->Action) {
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
        if (info->NextEntryOffset == 0)
            return true;
        // The next record lies past this one, on a DWORD, within what was written.
        if (info->NextEntryOffset % sizeof(DWORD) != 0 || at + info->NextEntryOffset < end)
            return false;
        at += info->NextEntryOffset;
    }
}

} // namespace platform
