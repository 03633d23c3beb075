#include "platform/FileTransfer.h"

#include "platform/win32/HeldFiles.h"

#include <windows.h>
#include <shellapi.h>

namespace platform {

bool recycleFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    // A read-only file stays, as a plain delete of it fails.
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        return false;
    // The shell's undoable delete: into the recycle bin of the file's drive, or for good where
    // that drive has none. Full path, list ended by a second NUL; no question, no progress.
    char full[MAX_PATH + 2] = {};
    if (GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr) == 0)
        return false;
    SHFILEOPSTRUCTA operation {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = full;
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    // The shell answers with the system's error number where another program holds the file.
    return retryWhileHeld([&] {
        const int result = SHFileOperationA(&operation);
        SetLastError(static_cast<DWORD>(result));
        return result == 0 && !operation.fAnyOperationsAborted;
    });
}

} // namespace platform
