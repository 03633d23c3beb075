#include "platform/TextFile.h"

#include "platform/Errors.h"
#include "platform/TempFile.h"
#include "platform/PathSeparator.h"
#include "platform/win32/HeldFiles.h"
#include "platform/win32/Win32Error.h"
#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace platform {

namespace {

enum class Access { Reading, Writing };

/// Why the last operation on `path` failed, in words for the user: another program holds the
/// file, Windows refused the write into its folder, or the system's own text.
std::string failureReason(const std::string& path, Access access)
{
    const DWORD error = GetLastError();
    if (failedAsHeld(error, path))
        return "Ein anderes Programm verwendet die Datei.";
    if (error == ERROR_ACCESS_DENIED && access == Access::Writing)
        return "Windows hat das Schreiben in den Ordner " + path.substr(0, lastComponentStart(path)) + " verweigert.";
    return lastErrorMessage();
}

} // namespace

std::string readWholeFile(const std::string& path)
{
    // Read while others may read, but not write.
    HANDLE file = INVALID_HANDLE_VALUE;
    if (!retryWhileHeld(path, [&] {
            file = CreateFileW(widePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                               nullptr);
            return file != INVALID_HANDLE_VALUE;
        }))
        throw FileOpenError(path, failureReason(path, Access::Reading));
    std::string bytes;
    char buffer[1 << 15];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr)) {
            // A failed read is a failed open for the caller, never a shorter file.
            const std::string reason = lastErrorMessage();
            CloseHandle(file);
            throw FileOpenError(path, reason);
        }
        if (read == 0)
            break;
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

void saveFileAtomically(const std::string& path, const std::string& bytes)
{
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        SetLastError(ERROR_ACCESS_DENIED);
        throw FileCreateError(path, lastErrorMessage());
    }
    TempFile temp = TempFile::createBeside(path);
    if (!temp.valid() || !temp.write(bytes) || !temp.sync() || !temp.renameTo(path)) {
        const std::string reason = failureReason(path, Access::Writing);
        temp.discard();
        throw FileCreateError(path, reason);
    }
}

} // namespace platform
