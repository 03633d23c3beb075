#include "platform/TreeNotices.h"

#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/FolderDescent.h"
#include "platform/FolderIndex.h"
#include "platform/NameCompare.h"
#include "platform/PathSeparator.h"
#include "platform/TempFile.h"
#include "platform/TreeWatch.h"
#include "platform/win32/DirectoryReader.h"
#include "platform/win32/DirectoryWatch.h"
#include "platform/win32/Win32Files.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include <windows.h>

namespace platform {

namespace {

/// How long a catch-up waits for its markers' notices; past it the notices are not trusted.
constexpr DWORD kCatchUpMilliseconds = 2000;
/// How often a take asks whether the folder is still where it was.
constexpr ULONGLONG kPlaceAskedEveryMilliseconds = 40;
/// How a marker's name starts: hidden, and named like no map.
constexpr std::string_view kMarkerStart = ".vsm-notices-";

bool isMarker(std::string_view name)
{
    return name.substr(0, kMarkerStart.size()) == kMarkerStart;
}

bool namesEqualWide(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

bool startsWithIgnoringCase(std::string_view path, std::string_view start)
{
    return path.size() >= start.size() && namesEqual(path.substr(0, start.size()), start);
}

} // namespace

/// A watch of the folder's tree, and one of each folder link in it (the tree's watch does not
/// follow links; the finder does); every folder of the tree by path, so that a folder that comes
/// or goes is known as such; the names of the folders looked up.
struct DirectoryChangesWatch final : TreeWatch {
    using Change = TreeNotices::Change;
    std::vector<std::unique_ptr<DirectoryWatch>> watches; ///< the tree's first
    std::set<std::string> folders;                        ///< case keys of the folders' paths, with separator
    std::unordered_map<std::string, FolderIndex> indexes; ///< by case key of the folder's path
    std::wstring rootPath; ///< where the tree's watch was at its start; empty: none could start
    ULONGLONG placeAskedAt = 0; ///< when stillInPlace last asked the system
    std::string awaitedMarker; ///< the key of the marker a catch-up waits for
    bool markerSeen = false;
    unsigned markers = 0;

    void renew(const std::string& folder) override
    {
        watches.clear();
        folders.clear();
        indexes.clear();
        pending.clear();
        lost = false;
        complete = false;
        rootPath.clear();
        const auto root = folderIdentity(folder);
        if (!root)
            return;
        watches.push_back(std::make_unique<DirectoryWatch>(folder));
        rootPath = watches.front()->currentPath();
        FolderDescent descent;
        descent.enter(folder);
        complete = watches.front()->valid() && walk(folder, descent);
    }

    /// True while the folder's path still leads where the watch started (asked of the open
    /// folder, which costs a small part of opening it again); where no watch could start,
    /// while there is still no folder to watch.
    bool stillInPlace(const std::string& folder) override
    {
        // Asked at most once a picture's time: a take after each of many maps costs no more.
        const ULONGLONG now = GetTickCount64();
        if (now - placeAskedAt < kPlaceAskedEveryMilliseconds)
            return true;
        placeAskedAt = now;
        if (rootPath.empty())
            return !folderExists(folder);
        return namesEqualWide(watches.front()->currentPath(), rootPath);
    }

    /// Knows every folder below `folder` as the finder enters them (`descent` holds the folders
    /// on the way down), and watches each link to a folder; false where a link cannot be watched.
    bool walk(const std::string& folder, FolderDescent& descent)
    {
        folders.insert(caseKeyOf(folder));
        const auto entries = searchDirectory(folder, "*.*");
        if (!entries)
            return true; // unreadable: the finder does not enter it either
        for (const DirectoryEntry entry : *entries) {
            const std::string subfolder = withSeparator(folder + std::string(entry.name));
            if (!entry.isFolder || !enters(entry.name) || !descent.enters(subfolder, entry.isLink))
                continue;
            if (entry.isLink) {
                watches.push_back(std::make_unique<DirectoryWatch>(subfolder));
                if (!watches.back()->valid())
                    return false;
            }
            descent.enter(subfolder);
            const bool whole = walk(subfolder, descent);
            descent.leave();
            if (!whole)
                return false;
        }
        return true;
    }

    /// The watch that tells of `path`: the one of the deepest watched folder above it.
    const DirectoryWatch* ownerOf(std::string_view path) const
    {
        const DirectoryWatch* owner = nullptr;
        for (const auto& watch : watches) {
            if (startsWithIgnoringCase(path, watch->folder())
                && (!owner || watch->folder().size() > owner->folder().size()))
                owner = watch.get();
        }
        return owner;
    }

    void told(const DirectoryWatch& watch, bool added, std::string_view relative)
    {
        const std::string path = watch.folder() + std::string(relative);
        const std::size_t nameStart = lastComponentStart(path);
        const std::string_view name = std::string_view(path).substr(nameStart);
        if (isMarker(name)) {
            markerSeen = markerSeen || (added && caseKeyOf(path) == awaitedMarker);
            return;
        }
        // A copy's temporary file is no map and is mostly renamed already when told: asking
        // whether it was a folder would search the whole folder for a name that is gone.
        if (TempFile::isTemporaryName(name))
            return;
        // Below a link its own watch tells; a folder not known to the tree came with it. What
        // comes or goes in a folder the walk does not enter is none of the tree's.
        if (lost || ownerOf(path) != &watch || !enters(name) || !entersFoldersOf(relative, enters))
            return;
        const std::string parentKey = caseKeyOf(std::string_view(path).substr(0, nameStart));
        if (!folders.count(parentKey) || (added ? folderExists(path) : folders.count(caseKeyOf(withSeparator(path))) > 0)) {
            lost = true; // a folder came or went: what came or went with it was not told
            return;
        }
        pending.push_back({added, path});
        const auto index = indexes.find(parentKey);
        if (index == indexes.end())
            return;
        if (added)
            index->second.add(std::string(name));
        else
            index->second.remove(std::string(name));
    }

    /// Reads what has come in from every watch, waiting for none.
    void drain() override
    {
        for (const auto& watch : watches) {
            for (;;) {
                const DirectoryWatch::Read read = watch->read(0, [&](bool added, std::string_view relative) {
                    told(*watch, added, relative);
                });
                if (read == DirectoryWatch::Read::Lost)
                    lost = true;
                if (read != DirectoryWatch::Read::Told)
                    break;
            }
        }
    }

    /// Makes a marker in each watched folder and waits until each is told.
    void catchUp() override
    {
        placeAskedAt = 0; // the next take asks where the folder is, too
        drain();
        for (const auto& watch : watches) {
            if (lost)
                return;
            const std::string marker = watch->folder() + std::string(kMarkerStart) + std::to_string(GetCurrentProcessId())
                + "-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + "-" + std::to_string(++markers);
            const std::wstring wide = widePath(marker);
            const HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
            if (file == INVALID_HANDLE_VALUE) {
                lost = true; // a folder that takes no file (read-only) cannot be caught up with
                return;
            }
            CloseHandle(file);
            awaitedMarker = caseKeyOf(marker);
            markerSeen = false;
            const ULONGLONG deadline = GetTickCount64() + kCatchUpMilliseconds;
            while (!markerSeen && !lost) {
                const ULONGLONG now = GetTickCount64();
                if (now >= deadline) {
                    lost = true;
                    break;
                }
                const auto read = watch->read(static_cast<DWORD>(deadline - now), [&](bool added, std::string_view relative) {
                    told(*watch, added, relative);
                });
                lost = lost || read == DirectoryWatch::Read::Lost;
            }
            DeleteFileW(wide.c_str());
        }
    }

    /// The names of the known `folder`, read at the first look-up; nothing where it is not
    /// known or notices were lost.
    const FolderIndex* indexOf(const std::string& folder) override
    {
        drain();
        const std::string key = caseKeyOf(folder);
        if (lost || !folders.count(key))
            return nullptr;
        const auto known = indexes.find(key);
        if (known != indexes.end())
            return &known->second;
        // The watch is in place already, so nothing that changes while it is read goes unnoticed.
        DirectoryReader reader(folder + "*");
        if (!reader.valid())
            return nullptr;
        FolderIndex& index = indexes[key];
        while (const WIN32_FIND_DATAW* data = reader.next()) {
            std::string name = utf8FromWide(data->cFileName);
            if (!isMarker(name) && !TempFile::isTemporaryName(name))
                index.add(name);
        }
        return &index;
    }
};

std::unique_ptr<TreeWatch> makeTreeWatch()
{
    return std::make_unique<DirectoryChangesWatch>();
}

} // namespace platform
