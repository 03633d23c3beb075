#pragma once

#include <string>

#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace platform {

/// True for the errors of a file that another program holds: a sharing or lock violation. Access
/// denied is not one: it is the answer of a folder that refuses writes (a read-only folder,
/// Controlled Folder Access), and waiting would not change it.
inline bool isHeldError(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

/// True when another program holds the file at `path` so that it cannot be replaced or
/// removed (it has it open without sharing its deletion). Access denied is the answer of a
/// replace in that case too; this tells it from a write that Windows refuses.
inline bool heldByAnotherProgram(const std::string& path)
{
    const HANDLE file = CreateFileW(widePath(path).c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

/// Runs `attempt` (true when it succeeded, the last error set when not) again while it fails
/// because another program holds the file, for about two seconds: virus scanners, sync tools
/// and the game itself hold files for moments. The last error stays that of the last attempt.
template <class Attempt>
bool retryWhileHeld(Attempt attempt)
{
    constexpr DWORD kPatience = 2000, kStep = 50;
    const DWORD start = GetTickCount();
    for (;;) {
        if (attempt())
            return true;
        const DWORD error = GetLastError();
        if (!isHeldError(error) || GetTickCount() - start >= kPatience)
            return false;
        Sleep(kStep);
        SetLastError(error);
    }
}

} // namespace platform
