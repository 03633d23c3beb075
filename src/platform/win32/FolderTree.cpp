#include "platform/FolderTree.h"

#include "platform/win32/DirectoryReader.h"
#include "platform/win32/Win32Files.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include <windows.h>

namespace platform {

namespace {

/// The folder at `path`, opened for this program alone to rename or delete: no other program
/// can remove or rename it while the handle is open. Invalid when it is gone or held.
HANDLE holdFolder(const std::string& path)
{
    return CreateFileW(widePath(path).c_str(), DELETE | FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

/// Removes what the folder `path` holds, links themselves and never what they lead to.
void removeContents(const std::string& path)
{
    DirectoryReader reader(path + "\\*");
    while (const WIN32_FIND_DATAW* data = reader.next()) {
        const std::string name = utf8FromWide(data->cFileName);
        if (name != "." && name != "..")
            removeTree(path + "\\" + name);
    }
}

} // namespace

const char kHiddenNameMark = kHiddenNameMarks[1];

bool makeFolder(const std::string& path)
{
    return CreateDirectoryW(widePath(path).c_str(), nullptr);
}

void removeTree(const std::string& path)
{
    const std::wstring wide = widePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(wide.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(wide.c_str());
        return;
    }
    // A junction or folder link goes itself; what it leads to stays.
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        removeContents(path);
    RemoveDirectoryW(wide.c_str());
}

TemporaryFolder::TemporaryFolder(const std::string& folder, std::string_view prefix)
{
    const unsigned seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08X", seed + static_cast<unsigned>(attempt) * 2654435761u);
        const std::string path = folder + kHiddenNameMark + std::string(prefix) + digits;
        if (!CreateDirectoryW(widePath(path).c_str(), nullptr)) {
            if (GetLastError() != ERROR_ALREADY_EXISTS)
                return;
            continue;
        }
        // Another program's sweep may hold it first: then another name.
        const HANDLE hold = holdFolder(path);
        if (hold == INVALID_HANDLE_VALUE)
            continue;
        SetFileAttributesW(widePath(path).c_str(), FILE_ATTRIBUTE_HIDDEN);
        m_hold = reinterpret_cast<std::intptr_t>(hold);
        m_path = path;
        return;
    }
}

TemporaryFolder::~TemporaryFolder()
{
    // Let go first: a folder search inside it would not share the hold. Whoever removes it
    // then, it is meant to go; a new temporary folder is always made under a new name.
    if (m_hold != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_hold));
    if (!m_path.empty())
        removeTree(m_path);
}

bool TemporaryFolder::placeAt(const std::string& to)
{
    if (m_path.empty())
        return false;
    // Renamed through the handle that holds it, so that no other program comes in between.
    // The file system compares names without case and refuses a namesake itself.
    const std::wstring target = widePath(to);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = FALSE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::memcpy(rename->FileName, target.c_str(), target.size() * sizeof(wchar_t));
    if (!SetFileInformationByHandle(reinterpret_cast<HANDLE>(m_hold), FileRenameInfo, rename,
                                    static_cast<DWORD>(buffer.size())))
        return false;
    m_path.clear();
    // The hidden attribute went with the folder and is taken off.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(target.c_str(), attributes & ~FILE_ATTRIBUTE_HIDDEN);
    return true;
}

void removeAbandonedFolder(const std::string& path)
{
    // A folder that a running program holds cannot be opened so.
    const HANDLE hold = holdFolder(path);
    if (hold == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(hold);
    removeTree(path);
}

} // namespace platform
