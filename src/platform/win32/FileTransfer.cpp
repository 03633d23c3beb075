#include "platform/FileTransfer.h"

#include "platform/win32/Win32Error.h"

#include <windows.h>

namespace platform {

bool moveFile(const std::string& from, const std::string& to)
{
    // Never replaces; across volumes the system copies and deletes the source afterwards.
    return MoveFileA(from.c_str(), to.c_str());
}

bool copyFile(const std::string& from, const std::string& to)
{
    // As CopyFileA: a read-only destination is not replaced.
    const DWORD attributes = GetFileAttributesA(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    const std::string temp = temporaryFileBeside(to);
    if (temp.empty())
        return false;
    if (CopyFileA(from.c_str(), temp.c_str(), FALSE)
        && MoveFileExA(temp.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temp.c_str());
    return false;
}

bool deleteFile(const std::string& path)
{
    return DeleteFileA(path.c_str());
}

} // namespace platform
