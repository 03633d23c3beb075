#include "catalogue/MapNames.h"

#include "platform/FileSystem.h"
#include "platform/FolderTree.h"
#include "platform/NameCompare.h"
#include "platform/PathSeparator.h"

#include <algorithm>

namespace catalogue {

namespace {

/// Turns a path written with Windows separators into one with the native separator.
std::string nativePath(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', platform::kPathSeparator);
    return path;
}

} // namespace

std::string fileNameOf(const std::string& path)
{
    return path.substr(platform::lastComponentStart(path));
}

bool isUnfinishedImport(std::string_view folderName)
{
    // Hidden by either system's mark: a drive may hold folders of both.
    return folderName.size() > kUnfinishedImportPrefix.size() + 1
        && platform::kHiddenNameMarks.find(folderName[0]) != std::string_view::npos
        && folderName.substr(1, kUnfinishedImportPrefix.size()) == kUnfinishedImportPrefix;
}

bool isSearchedFolder(std::string_view folderName)
{
    return folderName != "." && folderName != ".." && !isUnfinishedImport(folderName);
}

bool isCompanionName(const std::string& name)
{
    return platform::endsWithIgnoringCase(name, kIniSuffix) || platform::endsWithIgnoringCase(name, kLocalisationSuffix);
}

std::string dropExtension(const std::string& text)
{
    return text.size() > kExtensionLength ? text.substr(0, text.size() - kExtensionLength) : std::string();
}

std::string afterFirstHyphen(const std::string& name)
{
    const auto hyphen = name.find('-');
    return hyphen == std::string::npos ? name : name.substr(hyphen + 1);
}

std::string lastComponent(const std::string& path)
{
    return fileNameOf(path);
}

namespace {

/// The game's custom-maps folder of one kind ("Published" or "Unpublished") below the documents
/// folder, spelt as it is on disk.
std::string customMapsFolder(const std::string& documentsFolder, const std::string& kind)
{
    return platform::pathOnDiskBelow(documentsFolder,
                                     nativePath("\\My Games\\Vesmar Arena\\VSGame\\" + kind + "\\CookedPC\\CustomMaps"));
}

} // namespace

std::string publishedFolder(const std::string& documentsFolder)
{
    return customMapsFolder(documentsFolder, "Published");
}

std::string unpublishedFolder(const std::string& documentsFolder)
{
    return customMapsFolder(documentsFolder, "Unpublished");
}

} // namespace catalogue

std::string MapNameOf(const std::string& path)
{
    return catalogue::dropExtension(catalogue::afterFirstHyphen(catalogue::fileNameOf(path)));
}
