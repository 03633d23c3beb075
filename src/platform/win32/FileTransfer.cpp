#include "platform/FileTransfer.h"

#include "platform/FileSystem.h"
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
    // As CopyFileA: the destination keeps the name it has, whatever its case, and a read-only
    // one is not replaced.
    const std::string target = findIgnoringCase(to).value_or(to);
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    const std::string temp = temporaryFileBeside(target);
    if (temp.empty())
        return false;
    if (CopyFileA(from.c_str(), temp.c_str(), FALSE)
        && MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temp.c_str());
    return false;
}

void moveFilesInto(const std::string& folder, const std::vector<FileToPlace>& files)
{
    // The file system itself refuses a namesake in any case: nothing to read beforehand.
    for (const FileToPlace& file : files)
        moveFile(file.from, folder + file.name);
}

void copyFilesInto(const std::string& folder, const std::vector<FileToPlace>& files)
{
    for (const FileToPlace& file : files)
        copyFile(file.from, folder + file.name);
}

bool deleteFile(const std::string& path)
{
    return DeleteFileA(path.c_str());
}

} // namespace platform
