#include "platform/FileTransfer.h"

#include "platform/FileSystem.h"
#include "platform/FolderNames.h"
#include "platform/LeftoverSweep.h"
#include "platform/NameCompare.h"
#include "platform/TempFile.h"
#include "platform/posix/PosixFiles.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

/// Copies the bytes of `from` into a new temporary file beside `to`; returns it, still
/// open, or an empty TempFile on failure (then nothing is left behind).
TempFile copyToTemporary(const std::string& from, const std::string& to, LeftoverSweep& sweep)
{
    sweep.once();
    TempFile temp = TempFile::createBeside(to);
    if (temp.valid() && !temp.copyFrom(from))
        temp.discard();
    return temp;
}

/// Copies `from` into a temporary file beside `to`, flushed, that then takes the name `to` unless
/// a file of that name (in any case) has turned up meanwhile.
bool placeCopy(const std::string& from, const std::string& to, LeftoverSweep& sweep)
{
    TempFile temp = copyToTemporary(from, to, sweep);
    if (!temp.valid() || !temp.sync() || !temp.placeAt(to)) {
        temp.discard();
        return false;
    }
    return true;
}

/// Moves `from` to `to`, where no file of that name exists in any case. Never replaces one that
/// turns up meanwhile; across file systems the source is deleted only once the copy is in place.
bool moveToFreeName(const std::string& from, const std::string& to, LeftoverSweep& sweep)
{
    if (renameWithoutReplacing(from, to))
        return true;
    if (errno != EXDEV || !placeCopy(from, to, sweep))
        return false;
    // The source goes only once the file and its entry in the folder are on the disk: after a
    // power cut the map is at one of its places under its own name.
    syncFolderOf(to);
    unlink(from.c_str());
    return true;
}

/// Copies `from` onto `target`, the destination's name as it is on disk; a read-only one is refused.
bool copyOnto(const std::string& from, const std::string& target, LeftoverSweep& sweep)
{
    if (isReadOnlyFile(target))
        return false;
    TempFile temp = copyToTemporary(from, target, sweep);
    if (!temp.valid() || !temp.sync() || !temp.renameTo(target)) {
        temp.discard();
        return false;
    }
    return true;
}

std::vector<std::string> namesOf(const std::vector<FileToPlace>& files)
{
    std::vector<std::string> names;
    for (const FileToPlace& file : files)
        names.push_back(file.name);
    return names;
}

/// After `files[placed]` is in place, later files of the same name (whatever the case) meet it there.
void notePlaced(const std::vector<FileToPlace>& files, std::size_t placed, const std::string& nameThere,
                std::vector<std::optional<std::string>>& there)
{
    for (std::size_t later = placed + 1; later < files.size(); ++later) {
        if (!there[later] && namesEqual(files[later].name, nameThere))
            there[later] = nameThere;
    }
}

/// Moves each file into `folder` unless `there` says a file of its name is there, whatever the case.
void moveEach(const std::string& folder, const std::vector<FileToPlace>& files, std::vector<std::optional<std::string>> there,
              LeftoverSweep& sweep)
{
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!there[i] && moveToFreeName(files[i].from, folder + files[i].name, sweep))
            notePlaced(files, i, files[i].name, there);
    }
}

} // namespace

bool moveFile(const std::string& from, const std::string& to)
{
    // Windows refuses a destination whose name exists in any case.
    if (findIgnoringCase(to)) {
        errno = EEXIST;
        return false;
    }
    auto sweep = LeftoverSweep::beside(to);
    return moveToFreeName(from, to, sweep);
}

bool copyFile(const std::string& from, const std::string& to)
{
    // The destination keeps the name it has, whatever its case.
    auto sweep = LeftoverSweep::beside(to);
    return copyOnto(from, nameOnDisk(to), sweep);
}

bool copyFileWithoutReplacing(const std::string& from, const std::string& to)
{
    auto sweep = LeftoverSweep::beside(to);
    return !findIgnoringCase(to) && placeCopy(from, to, sweep);
}

void moveFilesInto(const std::string& folder, const std::vector<FileToPlace>& files, FolderNames* namesThere)
{
    const auto names = namesOf(files);
    LeftoverSweep ownSweep(folder);
    if (namesThere && namesThere->folder() == folder)
        moveEach(folder, files, namesThere->find(names), namesThere->sweep());
    else
        moveEach(folder, files, findAllIgnoringCase(folder, names), ownSweep);
}

void copyFilesInto(const std::string& folder, const std::vector<FileToPlace>& files, FolderNames* namesThere)
{
    const bool kept = namesThere && namesThere->folder() == folder;
    auto there = kept ? namesThere->find(namesOf(files)) : findAllIgnoringCase(folder, namesOf(files));
    LeftoverSweep ownSweep(folder);
    LeftoverSweep& sweep = kept ? namesThere->sweep() : ownSweep;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string name = there[i].value_or(files[i].name);
        if (copyOnto(files[i].from, folder + name, sweep))
            notePlaced(files, i, name, there);
    }
}

} // namespace platform
