#include "operations/MapTakeOut.h"

#include "catalogue/MapFileSet.h"
#include "catalogue/MapNames.h"
#include "operations/PublishedCheck.h"
#include "platform/FileSystem.h"
#include "platform/FileTransfer.h"
#include "platform/FolderTree.h"
#include "platform/PathSeparator.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace operations {

namespace {

/// True when `folder` names any of `files` already, in any case.
bool anyNamed(const std::string& folder, const std::vector<platform::FileToPlace>& files)
{
    return std::any_of(files.begin(), files.end(), [&](const platform::FileToPlace& file) {
        return platform::findIgnoringCase(folder + file.name).has_value();
    });
}

/// True when every file is where the moves were to take it.
bool allIn(const std::string& folder, const std::vector<platform::FileToPlace>& files)
{
    return std::all_of(files.begin(), files.end(),
                       [&](const platform::FileToPlace& file) { return platform::fileExists(folder + file.name); });
}

/// True when the map at `other` is the map of `package` byte for byte. The files compared are
/// closed again when it returns (Windows moves no open file).
bool sameMap(const std::string& package, const std::optional<std::string>& other)
{
    PublishedCheck same(package, other);
    while (!same.step(std::numeric_limits<std::uint64_t>::max())) {
    }
    return *same.state() == PublishedState::Same;
}

} // namespace

TakenOut takeOutMap(const std::string& package, const std::string& newMapsFolder, const std::vector<std::string>& namesakes)
{
    const catalogue::MapFileSet set = catalogue::mapFileSetOf(package);
    const bool there = sameMap(package, namesakeIn(newMapsFolder, package))
        || std::any_of(namesakes.begin(), namesakes.end(), [&](const std::string& other) { return sameMap(package, other); });
    if (there) {
        for (const std::string& file : set.files())
            platform::recycleFile(file);
        return TakenOut::Recycled;
    }
    std::vector<platform::FileToPlace> files;
    for (const std::string& file : set.files())
        files.push_back({file, catalogue::fileNameOf(file)});
    std::string folder = platform::withSeparator(newMapsFolder);
    TakenOut where = TakenOut::Moved;
    if (anyNamed(folder, files)) {
        folder = platform::withSeparator(folder + std::string(kTakenOutFolder));
        where = TakenOut::MovedAside;
        if (!platform::folderExists(folder))
            platform::makeFolder(folder.substr(0, folder.size() - 1));
        if (anyNamed(folder, files))
            return TakenOut::Failed;
    }
    platform::moveFilesInto(folder, files);
    return allIn(folder, files) ? where : TakenOut::Failed;
}

} // namespace operations
