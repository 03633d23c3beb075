#pragma once

#include "platform/win32/Win32Files.h"

#include <string>

#include <windows.h>

namespace platform {

/// The entries of one Windows folder search (`FindFirstFileW` and its followers), the twin of
/// the Linux folder reader: every search of a folder here goes through it.
class DirectoryReader {
public:
    /// Searches `pattern`: a folder, its separator and a mask ("C:\maps\*").
    explicit DirectoryReader(const std::string& pattern)
        : m_search(FindFirstFileW(widePath(pattern).c_str(), &m_data)), m_pending(m_search != INVALID_HANDLE_VALUE)
    {
    }
    ~DirectoryReader()
    {
        if (m_search != INVALID_HANDLE_VALUE)
            FindClose(m_search);
    }
    DirectoryReader(const DirectoryReader&) = delete;
    DirectoryReader& operator=(const DirectoryReader&) = delete;

    /// False when the search could not start: the folder is missing or unreadable, or nothing matches.
    bool valid() const { return m_search != INVALID_HANDLE_VALUE; }
    /// The next entry ("." and ".." too), or nullptr after the last one.
    const WIN32_FIND_DATAW* next()
    {
        if (!m_pending && (m_search == INVALID_HANDLE_VALUE || !FindNextFileW(m_search, &m_data)))
            return nullptr;
        m_pending = false;
        return &m_data;
    }

private:
    WIN32_FIND_DATAW m_data {};
    HANDLE m_search;
    bool m_pending; ///< the first entry, found with the search, is not given yet
};

} // namespace platform
