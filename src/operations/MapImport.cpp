#include "operations/MapImport.h"

#include "catalogue/MapNames.h"
#include "operations/ArchiveUnpacking.h"
#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/FileTransfer.h"
#include "platform/FolderTree.h"
#include "platform/NameCompare.h"
#include "platform/PathSeparator.h"

#include <algorithm>

namespace operations {

namespace {

constexpr std::string_view kUnfinishedPrefix = "vsm-unpacking-";
/// Archives in archives are unpacked this deep, no deeper: an archive that holds itself ends here.
constexpr int kMostNesting = 3;

constexpr char kSeparator = platform::kPathSeparator;

bool hasSuffix(std::string_view name, std::string_view suffix)
{
    return name.size() >= suffix.size() && platform::namesEqual(name.substr(name.size() - suffix.size()), suffix);
}

bool isPackage(std::string_view name)
{
    return hasSuffix(name, catalogue::kPackageExtension);
}

/// A file that is no map file may be an archive: its content tells.
bool mayBeArchive(const std::string& path)
{
    return !isPackage(path) && !hasSuffix(path, catalogue::kIniSuffix) && !hasSuffix(path, ".vsp") && isArchive(path);
}

/// The files of the map file set of `package` that exist: the package, then its INI and
/// localisation files as they are spelt beside it.
std::vector<std::string> mapFileSet(const std::string& package)
{
    std::vector<std::string> files {package};
    const std::string base = catalogue::basePath(package);
    for (const char* suffix : {catalogue::kIniSuffix, catalogue::kLocalisationSuffix}) {
        if (auto companion = platform::findIgnoringCase(base + suffix); companion && platform::fileExists(*companion))
            files.push_back(*companion);
    }
    return files;
}

/// A companion file that goes along with a package among `dropped` anyway.
bool goesWithDroppedPackage(const std::string& path, const std::vector<std::string>& dropped)
{
    return std::any_of(dropped.begin(), dropped.end(), [&](const std::string& other) {
        if (!isPackage(other))
            return false;
        const std::string base = catalogue::basePath(other);
        return platform::namesEqual(path, base + catalogue::kIniSuffix)
            || platform::namesEqual(path, base + catalogue::kLocalisationSuffix);
    });
}

/// The name of a folder made for `path`: its last component, for an archive without extension.
std::string folderNameFor(std::string path, bool isArchiveFile)
{
    while (path.size() > 1 && path.back() == kSeparator)
        path.pop_back();
    std::string name = path.substr(platform::lastComponentStart(path));
    if (isArchiveFile) {
        const auto dot = name.rfind('.');
        if (dot != std::string::npos && dot > 0)
            name.erase(dot);
        // "maps.tar.gz" becomes "maps".
        if (hasSuffix(name, ".tar"))
            name.erase(name.size() - 4);
    }
    return name.empty() ? std::string("maps") : name;
}

/// Moves `from` into `folder` (ending in the separator) as `name`, or "name (2)", "name (3)", …
/// where a name is taken in any case; false when no name could be had.
bool placeUnderFreeName(const std::string& from, const std::string& folder, const std::string& name)
{
    for (int n = 1; n < 1000; ++n) {
        const std::string candidate = n == 1 ? name : name + " (" + std::to_string(n) + ")";
        if (platform::placeTemporaryFolder(from, folder + candidate))
            return true;
        if (!platform::findIgnoringCase(folder + candidate))
            return false;
    }
    return false;
}

/// True when `folder` is `mapsFolder` or holds it: copying it would copy into itself.
bool holdsFolder(const std::string& folder, std::string mapsFolder)
{
    const auto identity = platform::folderIdentity(folder);
    if (!identity)
        return false;
    for (;;) {
        if (platform::folderIdentity(mapsFolder) == identity)
            return true;
        // Up to the parent: "/a/b" to "/a", "/a" to "/", "C:\a" to "C:\"; a root has none.
        const auto cut = platform::lastComponentStart(mapsFolder);
        if (cut == 0 || cut >= mapsFolder.size())
            return false;
        mapsFolder.erase(cut);
        if (mapsFolder.size() > 1 && !platform::endsComponent(mapsFolder[mapsFolder.size() - 2]))
            mapsFolder.pop_back();
    }
}

/// One import: the new-maps folder, what has been added and skipped, and whether the user cancelled.
class Import {
public:
    Import(const std::string& newMapsFolder, UnpackProgress& progress)
        : m_folder(newMapsFolder + kSeparator), m_progress(progress)
    {
    }

    ImportReport run(const std::vector<std::string>& dropped);

private:
    void addPackage(const std::string& package);
    void addFolder(const std::string& folder);
    void addArchive(const std::string& archive);
    /// Copies the maps of `source` (and unpacks its archives) into `target`, both ending in the
    /// separator; the packages it adds go to `packages`.
    void copyMapsOf(const std::string& source, const std::string& target, const std::string& shownAs,
                    std::vector<std::string>& packages);
    /// Unpacks `archive` into the existing `target` and then the archives it held; false when
    /// it failed as a whole (reported).
    bool unpackInto(const std::string& archive, const std::string& target, const std::string& shownAs, int depth,
                    std::vector<std::string>& packages);
    /// Puts a finished temporary folder into place, or removes it; reports either way.
    void finish(const std::string& temporary, const std::string& name, const std::string& source,
                const std::vector<std::string>& packages);
    void removeLeftovers();
    /// Notes that `path` (a dropped file or folder) was not added.
    void skip(const std::string& path, SkipReason reason) { skipShown(catalogue::fileNameOf(path), reason); }
    void skipShown(const std::string& what, SkipReason reason) { m_report.skipped.push_back({what, reason}); }

    std::string m_folder;
    UnpackProgress& m_progress;
    ImportReport m_report;
    bool m_cancelled = false;
};

ImportReport Import::run(const std::vector<std::string>& dropped)
{
    removeLeftovers();
    for (const std::string& path : dropped) {
        if (m_cancelled)
            skip(path, SkipReason::Cancelled);
        else if (platform::folderExists(path))
            addFolder(path);
        else if (!platform::fileExists(path))
            skip(path, SkipReason::Unreadable);
        else if (isPackage(path))
            addPackage(path);
        else if (goesWithDroppedPackage(path, dropped))
            continue;
        else if (mayBeArchive(path))
            addArchive(path);
        else
            skip(path, SkipReason::NoMaps);
    }
    return std::move(m_report);
}

void Import::removeLeftovers()
{
    if (const auto entries = platform::searchDirectory(m_folder, "*")) {
        for (const auto entry : *entries) {
            if (entry.isFolder && !entry.isLink && isUnfinishedImport(entry.name))
                platform::removeTree(m_folder + std::string(entry.name));
        }
    }
}

void Import::addPackage(const std::string& package)
{
    const auto files = mapFileSet(package);
    for (const std::string& file : files) {
        const std::string name = catalogue::fileNameOf(file);
        if (platform::copyFileWithoutReplacing(file, m_folder + name)) {
            if (file == package)
                m_report.addedMaps.push_back(name);
            continue;
        }
        skip(file, platform::findIgnoringCase(m_folder + name) ? SkipReason::NameTaken : SkipReason::Unreadable);
        // Without its package, a companion file is no map.
        if (file == package)
            return;
    }
}

void Import::addFolder(const std::string& folder)
{
    if (holdsFolder(folder, m_folder.substr(0, m_folder.size() - 1))) {
        skip(folder, SkipReason::HoldsMapsFolder);
        return;
    }
    const std::string temporary = platform::makeTemporaryFolder(m_folder, kUnfinishedPrefix);
    if (temporary.empty()) {
        skip(folder, SkipReason::Unreadable);
        return;
    }
    std::vector<std::string> packages;
    copyMapsOf(folder + kSeparator, temporary + kSeparator, folderNameFor(folder, false), packages);
    finish(temporary, folderNameFor(folder, false), folder, packages);
}

void Import::addArchive(const std::string& archive)
{
    const std::string temporary = platform::makeTemporaryFolder(m_folder, kUnfinishedPrefix);
    if (temporary.empty()) {
        skip(archive, SkipReason::Unreadable);
        return;
    }
    std::vector<std::string> packages;
    if (!unpackInto(archive, temporary + kSeparator, catalogue::fileNameOf(archive), 0, packages)) {
        platform::removeTree(temporary);
        return;
    }
    finish(temporary, folderNameFor(archive, true), archive, packages);
}

void Import::finish(const std::string& temporary, const std::string& name, const std::string& source,
                    const std::vector<std::string>& packages)
{
    if (m_cancelled || packages.empty()) {
        platform::removeTree(temporary);
        if (!m_cancelled)
            skip(source, SkipReason::NoMaps);
        return;
    }
    if (!placeUnderFreeName(temporary, m_folder, name)) {
        platform::removeTree(temporary);
        skip(source, SkipReason::Unreadable);
        return;
    }
    m_report.addedMaps.insert(m_report.addedMaps.end(), packages.begin(), packages.end());
}

void Import::copyMapsOf(const std::string& source, const std::string& target, const std::string& shownAs,
                        std::vector<std::string>& packages)
{
    const auto entries = platform::searchDirectory(source, "*");
    if (!entries)
        return;
    for (const auto entry : *entries) {
        if (m_cancelled)
            return;
        const std::string name(entry.name);
        const std::string path = source + name;
        // Links are not followed: a folder of maps holds its maps itself.
        if (name == "." || name == ".." || entry.isLink)
            continue;
        if (entry.isFolder) {
            if (isUnfinishedImport(name))
                continue;
            const std::string subfolder = target + name;
            const std::size_t before = packages.size();
            if (platform::makeFolder(subfolder)) {
                copyMapsOf(path + kSeparator, subfolder + kSeparator, shownAs + "/" + name, packages);
                // A folder without maps below it is not kept.
                if (packages.size() == before)
                    platform::removeTree(subfolder);
            }
        } else if (isPackage(name)) {
            for (const std::string& file : mapFileSet(path))
                platform::copyFileWithoutReplacing(file, target + catalogue::fileNameOf(file));
            if (platform::fileExists(target + name))
                packages.push_back(name);
        } else if (mayBeArchive(path)) {
            const std::string unpacked = target + folderNameFor(name, true);
            if (!platform::findIgnoringCase(unpacked) && platform::makeFolder(unpacked)
                && !unpackInto(path, unpacked + kSeparator, shownAs + "/" + name, 0, packages))
                platform::removeTree(unpacked);
        }
    }
}

bool Import::unpackInto(const std::string& archive, const std::string& target, const std::string& shownAs, int depth,
                        std::vector<std::string>& packages)
{
    Unpacked unpacked = unpackArchive(archive, target, m_progress);
    for (Skipped& entry : unpacked.skippedEntries)
        skipShown(shownAs + ": " + entry.what, entry.reason);
    if (unpacked.failure) {
        m_cancelled = m_cancelled || *unpacked.failure == SkipReason::Cancelled;
        skipShown(shownAs, *unpacked.failure);
        return false;
    }
    for (const std::string& file : unpacked.files) {
        const std::string name = catalogue::fileNameOf(file);
        if (isPackage(name)) {
            packages.push_back(name);
        } else if (depth + 1 < kMostNesting && mayBeArchive(file)) {
            // An archive in the archive: unpacked beside itself, and then not kept.
            const std::string folder = file.substr(0, platform::lastComponentStart(file)) + folderNameFor(name, true);
            if (!platform::findIgnoringCase(folder) && platform::makeFolder(folder)) {
                if (unpackInto(file, folder + kSeparator, shownAs + ": " + name, depth + 1, packages))
                    platform::removeTree(file);
                else
                    platform::removeTree(folder);
            }
        }
        if (m_cancelled)
            return false;
    }
    return true;
}

} // namespace

bool isUnfinishedImport(std::string_view folderName)
{
    // Hidden by a leading "." on Linux, "~" on Windows.
    return folderName.size() > kUnfinishedPrefix.size() + 1 && (folderName[0] == '.' || folderName[0] == '~')
        && folderName.substr(1, kUnfinishedPrefix.size()) == kUnfinishedPrefix;
}

ImportReport importMaps(const std::vector<std::string>& dropped, const std::string& newMapsFolder,
                        UnpackProgress& progress)
{
    return Import(newMapsFolder, progress).run(dropped);
}

} // namespace operations
