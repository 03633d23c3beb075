#include "platform/FileTransfer.h"

#include "platform/FileSystem.h"
#include "platform/LeftoverSweep.h"
#include "platform/win32/TemporaryFile.h"

#include <windows.h>

namespace platform {

namespace {

/// Copies `from` into a temporary file beside `to`, flushed, that then takes the name `to` unless
/// a file of that name exists (the file system compares names without case).
bool placeCopy(const std::string& from, const std::string& to, LeftoverSweep& sweep)
{
    if (GetFileAttributesA(to.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    sweep.once();
    const std::string temp = copyToTemporary(from, to);
    if (temp.empty())
        return false;
    if (MoveFileExA(temp.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temp.c_str());
    return false;
}

/// Moves `from` to `to`, never replacing a file of that name (the file system compares names
/// without case). Within a volume a rename; across volumes the bytes go into a temporary file
/// beside `to` first, which takes the name only when complete, and the source goes last.
bool moveOne(const std::string& from, const std::string& to, LeftoverSweep& sweep)
{
    if (MoveFileExA(from.c_str(), to.c_str(), 0))
        return true;
    // Not asked to copy: the system's own copy across volumes writes straight under the name.
    if (GetLastError() != ERROR_NOT_SAME_DEVICE || !placeCopy(from, to, sweep))
        return false;
    DeleteFileA(from.c_str());
    return true;
}

/// Copies `from` onto `to` through a temporary file renamed over it. As CopyFileA: the destination
/// keeps the name it has, whatever its case, and a read-only one is not replaced.
bool copyOne(const std::string& from, const std::string& to, LeftoverSweep& sweep)
{
    const std::string target = findIgnoringCase(to).value_or(to);
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    sweep.once();
    const std::string temp = copyToTemporary(from, target);
    if (temp.empty())
        return false;
    if (MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temp.c_str());
    return false;
}

} // namespace

bool moveFile(const std::string& from, const std::string& to)
{
    auto sweep = LeftoverSweep::beside(to);
    return moveOne(from, to, sweep);
}

bool copyFile(const std::string& from, const std::string& to)
{
    auto sweep = LeftoverSweep::beside(to);
    return copyOne(from, to, sweep);
}

bool copyFileWithoutReplacing(const std::string& from, const std::string& to)
{
    auto sweep = LeftoverSweep::beside(to);
    return placeCopy(from, to, sweep);
}

void moveFilesInto(const std::string& folder, const std::vector<FileToPlace>& files, FolderNames*)
{
    // The file system itself refuses a namesake in any case: nothing to read beforehand.
    LeftoverSweep sweep(folder);
    for (const FileToPlace& file : files)
        moveOne(file.from, folder + file.name, sweep);
}

void copyFilesInto(const std::string& folder, const std::vector<FileToPlace>& files)
{
    LeftoverSweep sweep(folder);
    for (const FileToPlace& file : files)
        copyOne(file.from, folder + file.name, sweep);
}

} // namespace platform
