#include "catalogue/FileManagement.h"

#include "catalogue/MapNames.h"
#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/FolderDescent.h"
#include "platform/NameCompare.h"
#include "platform/PathSeparator.h"

#include <algorithm>
#include <optional>

TStringArray FoundFiles;
std::int32_t FoundFileCount = 0;

namespace {


/// Where a search puts what it finds: an array and the count of its valid entries.
struct Results {
    TStringArray& files;
    std::int32_t& count;

    /// Stores `folder` + `name` as the next result.
    void append(std::string_view folder, std::string_view name)
    {
        if (files.size() == static_cast<std::size_t>(count))
            files.resize(files.size() + 100);
        files.set(static_cast<std::size_t>(count), folder, name);
        ++count;
    }
};

/// On any way out of a file pass, the array is trimmed to the entries found.
struct TrimOnExit {
    Results& results;
    ~TrimOnExit() { results.files.resize(static_cast<std::size_t>(results.count)); }
};

void findIn(std::string folder, const std::string& mask, bool recursive, platform::FolderDescent& descent,
            Results& results)
{
    folder = platform::withSeparator(std::move(folder));

    std::optional<platform::DirectoryEntries> matches;
    if (recursive) {
        auto search = platform::searchFolderAndSubfolders(folder, mask);
        descent.enter(folder);
        for (const auto entry : search.subfolders.value_or(platform::DirectoryEntries{})) {
            const std::string subfolder = folder + std::string(entry.name);
            if (catalogue::isSearchedFolder(entry.name) && descent.enters(subfolder, entry.isLink))
                findIn(subfolder, mask, recursive, descent, results);
        }
        descent.leave();
        matches = std::move(search.matches);
    } else {
        matches = platform::searchDirectory(folder, mask);
    }
    if (!matches)
        return;
    TrimOnExit trim {results};
    for (const auto entry : *matches) {
        if (!entry.isFolder)
            results.append(folder, entry.name);
    }
}

} // namespace

void ResetFoundFiles()
{
    FoundFiles.clear();
    FoundFileCount = 0;
}

namespace {

void findInto(std::string folder, const std::string& mask, bool recursive, Results results)
{
    // An empty folder would turn into the root of the file system.
    if (folder.empty())
        return;
    platform::FolderDescent descent;
    findIn(std::move(folder), mask, recursive, descent, results);
}

} // namespace

void FindFiles(std::string folder, const std::string& mask, bool recursive)
{
    findInto(std::move(folder), mask, recursive, {FoundFiles, FoundFileCount});
}

TStringArray findFiles(std::string folder, const std::string& mask, bool recursive)
{
    TStringArray files;
    std::int32_t count = 0;
    findInto(std::move(folder), mask, recursive, {files, count});
    return files;
}

bool foundBefore(std::string_view folder, std::string_view a, std::string_view b)
{
    a.remove_prefix(folder.size());
    b.remove_prefix(folder.size());
    for (;;) {
        const std::size_t aEnd = a.find(platform::kPathSeparator), bEnd = b.find(platform::kPathSeparator);
        const std::string_view aName = a.substr(0, aEnd), bName = b.substr(0, bEnd);
        const bool aInFolder = aEnd != std::string_view::npos, bInFolder = bEnd != std::string_view::npos;
        if (aInFolder != bInFolder)
            return aInFolder; // a subfolder's files before the folder's own
        if (!aInFolder || aName != bName)
            return platform::listedBefore(aName, bName);
        a.remove_prefix(aEnd + 1);
        b.remove_prefix(bEnd + 1);
    }
}

std::int64_t FileSizeOf(const std::string& path)
{
    return platform::fileSize(path);
}
