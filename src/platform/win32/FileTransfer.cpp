#include "platform/FileTransfer.h"

#include "platform/FileSystem.h"
#include "platform/FolderNames.h"
#include "platform/LeftoverSweep.h"
#include "platform/TempFile.h"
#include "platform/win32/HeldFiles.h"
#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace platform {

namespace {

/// The bytes and last-write time of `from` in a new temporary file beside `to`, flushed to disk;
/// an invalid one (nothing left behind) on failure.
TempFile copyToTemporary(const std::string& from, const std::string& to, LeftoverSweep& sweep)
{
    sweep.once();
    TempFile temp = TempFile::createBeside(to);
    if (temp.valid() && !(temp.copyFrom(from) && temp.sync()))
        temp.discard();
    return temp;
}

/// Copies `from` into a temporary file beside `to`, flushed, that then takes the name `to` unless
/// a file of that name exists (the file system compares names without case).
bool placeCopy(const std::string& from, const std::string& to, LeftoverSweep& sweep)
{
    if (GetFileAttributesW(widePath(to).c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    TempFile temp = copyToTemporary(from, to, sweep);
    return temp.valid() && temp.placeAt(to);
}

/// Moves `from` to `to`, never replacing a file of that name (the file system compares names
/// without case). Within a volume a rename; across volumes the bytes go into a temporary file
/// beside `to` first, which takes the name only when complete, and the source goes last.
bool moveOne(const std::string& from, const std::string& to, LeftoverSweep& sweep)
{
    const std::wstring source = widePath(from);
    if (retryWhileHeld([&] { return MoveFileExW(source.c_str(), widePath(to).c_str(), 0); }))
        return true;
    // Not asked to copy: the system's own copy across volumes writes straight under the name.
    if (GetLastError() != ERROR_NOT_SAME_DEVICE || !placeCopy(from, to, sweep))
        return false;
    retryWhileHeld([&] { return DeleteFileW(source.c_str()); });
    return true;
}

/// Copies `from` onto `to` through a temporary file renamed over it. As CopyFile: the destination
/// keeps the name it has, whatever its case, and a read-only one is not replaced.
bool copyOne(const std::string& from, const std::string& to, LeftoverSweep& sweep)
{
    const std::string target = findIgnoringCase(to).value_or(to);
    if (isReadOnlyFile(target))
        return false;
    TempFile temp = copyToTemporary(from, target, sweep);
    return temp.valid() && temp.renameTo(target);
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

void moveFilesInto(const std::string& folder, const std::vector<FileToPlace>& files, FolderNames* namesThere)
{
    // The file system itself refuses a namesake in any case: nothing to read beforehand.
    LeftoverSweep ownSweep(folder);
    LeftoverSweep& sweep = namesThere && namesThere->folder() == folder ? namesThere->sweep() : ownSweep;
    for (const FileToPlace& file : files)
        moveOne(file.from, folder + file.name, sweep);
}

void copyFilesInto(const std::string& folder, const std::vector<FileToPlace>& files, FolderNames* namesThere)
{
    LeftoverSweep ownSweep(folder);
    LeftoverSweep& sweep = namesThere && namesThere->folder() == folder ? namesThere->sweep() : ownSweep;
    for (const FileToPlace& file : files)
        copyOne(file.from, folder + file.name, sweep);
}

} // namespace platform
