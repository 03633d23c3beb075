#include "catalogue/FileManagement.h"

#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/PathSeparator.h"

#include <algorithm>

TStringArray FoundFiles;
std::int32_t FoundFileCount = 0;

namespace {

using platform::FolderIdentity;

/// On any way out of a file pass, the array is trimmed to the entries found.
struct TrimOnExit {
    ~TrimOnExit() { FoundFiles.resize(static_cast<std::size_t>(FoundFileCount)); }
};

void appendFound(std::string path)
{
    if (FoundFiles.size() == static_cast<std::size_t>(FoundFileCount))
        FoundFiles.resize(FoundFiles.size() + 100);
    FoundFiles[static_cast<std::size_t>(FoundFileCount)] = std::move(path);
    ++FoundFileCount;
}

void findIn(std::string folder, const std::string& mask, bool recursive, std::vector<FolderIdentity>& descent)
{
    if (folder.back() != platform::kPathSeparator)
        folder += platform::kPathSeparator;

    if (recursive) {
        const auto identity = platform::folderIdentity(folder);
        if (identity && std::find(descent.begin(), descent.end(), *identity) != descent.end())
            return; // a link back into the folders being searched: entering it would never end
        if (identity)
            descent.push_back(*identity);
        if (const auto entries = platform::searchDirectory(folder, "*.*")) {
            for (const auto& entry : *entries) {
                if (entry.isFolder && entry.name != "." && entry.name != "..")
                    findIn(folder + entry.name, mask, recursive, descent);
            }
        }
        if (identity)
            descent.pop_back();
    }

    const auto entries = platform::searchDirectory(folder, mask);
    if (!entries)
        return;
    TrimOnExit trim;
    for (const auto& entry : *entries) {
        if (!entry.isFolder)
            appendFound(folder + entry.name);
    }
}

} // namespace

void ResetFoundFiles()
{
    FoundFiles.clear();
    FoundFileCount = 0;
}

void FindFiles(std::string folder, const std::string& mask, bool recursive)
{
    // An empty folder would turn into the root of the file system.
    if (folder.empty())
        return;
    std::vector<FolderIdentity> descent;
    findIn(std::move(folder), mask, recursive, descent);
}

std::int64_t FileSizeOf(const std::string& path)
{
    return platform::fileSize(path);
}
