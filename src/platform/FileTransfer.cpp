// Moves and copies built on the temporary file and the two system steps of VolumeMoves.h: the
// same on every system.

#include "platform/FileTransfer.h"

#include "platform/FileSystem.h"
#include "platform/LeftoverSweep.h"
#include "platform/NameCompare.h"
#include "platform/PathSeparator.h"
#include "platform/TempFile.h"
#include "platform/VolumeMoves.h"

#include <optional>

namespace platform {

namespace {

/// The bytes and what a copy keeps of `from` in a new temporary file beside `to`, flushed to
/// disk; an invalid one (nothing left behind) on failure.
TempFile copyToTemporary(const std::string& from, const std::string& to, LeftoverSweep& sweep)
{
    sweep.once();
    TempFile temp = TempFile::createBeside(to);
    if (temp.valid() && !(temp.copyFrom(from) && temp.sync()))
        temp.discard();
    return temp;
}

/// Copies `from` into a temporary file beside `to` that then takes the name `to` unless a file
/// of that name (in any case) is there, asked again after the copy: copying takes long enough
/// for a namesake to turn up.
bool placeCopy(const std::string& from, const std::string& to, LeftoverSweep& sweep, FolderNames& names)
{
    if (names.findPath(to))
        return false;
    TempFile temp = copyToTemporary(from, to, sweep);
    if (!temp.valid() || names.findPath(to) || !temp.placeAt(to)) {
        temp.discard();
        return false;
    }
    return true;
}

/// Moves `from` to `to`, where no file of that name exists in any case. Never replaces one that
/// turns up meanwhile; across volumes the source is deleted only once the copy is in place, and
/// where it cannot be, the copy goes again.
bool moveToFreeName(const std::string& from, const std::string& to, LeftoverSweep& sweep, FolderNames& names)
{
    switch (renameWithinVolume(from, to)) {
    case RenameOutcome::Done:
        return true;
    case RenameOutcome::Failed:
        return false;
    case RenameOutcome::OtherVolume:
        break;
    }
    if (!placeCopy(from, to, sweep, names))
        return false;
    if (removeMovedSource(from, to))
        return true;
    removeOwnFile(to);
    return false;
}

/// Copies `from` onto `target`, the destination's name as it is on disk; a read-only one is
/// refused, unless the folder was just found to hold no such name: looking up a name that is not
/// there can cost a search of the whole folder.
bool copyOnto(const std::string& from, const std::string& target, LeftoverSweep& sweep, bool knownAbsent = false)
{
    if (!knownAbsent && isReadOnlyFile(target))
        return false;
    TempFile temp = copyToTemporary(from, target, sweep);
    if (!temp.valid() || !temp.renameTo(target)) {
        temp.discard();
        return false;
    }
    return true;
}

/// For each file, the name of its namesake in `folder` whatever the case, or nothing.
std::vector<std::optional<std::string>> namesakesOf(const std::string& folder, const std::vector<FileToPlace>& files,
                                                    FolderNames& names)
{
    std::vector<std::string> wanted;
    for (const FileToPlace& file : files)
        wanted.push_back(file.name);
    return names.find(folder, wanted);
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

} // namespace

bool moveFile(const std::string& from, const std::string& to)
{
    // A destination whose name exists in any case is refused, as Windows does.
    auto sweep = LeftoverSweep::beside(to);
    return !findIgnoringCase(to) && moveToFreeName(from, to, sweep, diskNames());
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
    return placeCopy(from, to, sweep, diskNames());
}

void moveFilesInto(const std::string& folder, const std::vector<FileToPlace>& files, KeptFolder kept)
{
    LeftoverSweep ownSweep(folder);
    LeftoverSweep& sweep = kept.sweep ? *kept.sweep : ownSweep;
    auto there = namesakesOf(folder, files, *kept.names);
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!there[i] && moveToFreeName(files[i].from, folder + files[i].name, sweep, *kept.names))
            notePlaced(files, i, files[i].name, there);
    }
}

void copyFilesInto(const std::string& folder, const std::vector<FileToPlace>& files, KeptFolder kept)
{
    LeftoverSweep ownSweep(folder);
    LeftoverSweep& sweep = kept.sweep ? *kept.sweep : ownSweep;
    auto there = namesakesOf(folder, files, *kept.names);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string name = there[i].value_or(files[i].name);
        if (copyOnto(files[i].from, folder + name, sweep, !there[i]))
            notePlaced(files, i, name, there);
    }
}

} // namespace platform
