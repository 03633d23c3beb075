#include "platform/FileTransfer.h"

#include "platform/win32/HeldFiles.h"
#include "platform/win32/Win32Files.h"

#include <windows.h>
#include <shellapi.h>

namespace platform {

namespace {

/// The file's full path as the shell takes it: no "\\?\" form, and shorter than 260 characters,
/// in the short form of its folders where the long one is longer; empty when there is none.
std::wstring shellPath(const std::wstring& prefixed)
{
    const std::wstring_view prefix = L"\\\\?\\";
    std::wstring path = prefixed;
    if (path.size() - prefix.size() >= MAX_PATH) {
        std::wstring shortPath(path.size() + 1, L'\0');
        const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), static_cast<DWORD>(shortPath.size()));
        if (length == 0 || length >= shortPath.size())
            return {};
        path = shortPath.substr(0, length);
    }
    if (path.starts_with(L"\\\\?\\UNC\\"))
        path = L"\\" + path.substr(7);
    else if (path.starts_with(prefix))
        path = path.substr(prefix.size());
    return path.size() < MAX_PATH ? path : std::wstring();
}

} // namespace

bool recycleFile(const std::string& path)
{
    const std::wstring wide = widePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    // A read-only file stays, as a plain delete of it fails.
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return false;
    // The shell's undoable delete: into the recycle bin of the file's drive, or for good where
    // that drive has none. Full path, list ended by a second NUL; no question, no progress.
    std::wstring list = shellPath(wide);
    if (list.empty())
        return false;
    list.push_back(L'\0');
    SHFILEOPSTRUCTW operation {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    // The shell answers with the system's error number where another program holds the file.
    return retryWhileHeld(path, [&] {
        const int result = SHFileOperationW(&operation);
        SetLastError(static_cast<DWORD>(result));
        return result == 0 && !operation.fAnyOperationsAborted;
    });
}

} // namespace platform
