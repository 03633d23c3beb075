#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace platform {

/// One ReadDirectoryChangesW on a folder and all its subfolders: the names that come, go or are
/// renamed there, one request after the other. Between two requests the system keeps what
/// happens, as much as one request holds.
class DirectoryWatch {
public:
    /// What one record tells: the name relative to the watched folder, and whether it came.
    using Record = std::function<void(bool added, std::string_view relative)>;
    enum class Read {
        Nothing, ///< no request completed within the wait
        Told,    ///< the records of one request were told
        Lost,    ///< the system lost some (too many at once), told a record that does not fit its
                 ///< buffer, or failed the request: the folder must be read again
    };

    /// Starts watching `folder` (ending in the separator); `valid()` says whether it could.
    explicit DirectoryWatch(const std::string& folder);
    ~DirectoryWatch();
    DirectoryWatch(const DirectoryWatch&) = delete;
    DirectoryWatch& operator=(const DirectoryWatch&) = delete;

    bool valid() const { return m_requested; }
    const std::string& folder() const { return m_folder; }
    /// Where the watched folder is now, as the system names it: another path once it or a
    /// folder above it was renamed, nothing once it is gone.
    std::wstring currentPath() const;

    /// Waits up to `milliseconds` for the request under way; where it completed, tells each of
    /// its records to `record` in order and makes the next request.
    Read read(DWORD milliseconds, const Record& record);

private:
    bool request();
    /// Tells the `bytes` of records in the buffer; false where one does not fit.
    bool tell(DWORD bytes, const Record& record) const;

    std::string m_folder;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    HANDLE m_event = nullptr;
    OVERLAPPED m_overlapped {};
    std::vector<DWORD> m_buffer; ///< records are aligned to whole DWORDs
    bool m_requested = false;
};

} // namespace platform
