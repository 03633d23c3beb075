#include "platform/TextFile.h"

#include "platform/Errors.h"
#include "platform/TempFile.h"
#include "platform/win32/Win32Error.h"

#include <windows.h>

namespace platform {

std::string readWholeFile(const std::string& path)
{
    // Read while others may read, but not write.
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw FileOpenError(path, lastErrorMessage());
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
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
        SetLastError(ERROR_ACCESS_DENIED);
        throw FileCreateError(path, lastErrorMessage());
    }
    TempFile temp = TempFile::createBeside(path);
    if (!temp.valid() || !temp.write(bytes) || !temp.sync() || !temp.renameTo(path)) {
        const std::string reason = lastErrorMessage();
        temp.discard();
        throw FileCreateError(path, reason);
    }
}

} // namespace platform
