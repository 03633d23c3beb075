#include "operations/MapImport.h"

#include "catalogue/FileManagement.h"
#include "catalogue/MapFileSet.h"
#include "catalogue/MapNames.h"
#include "operations/ArchiveUnpacking.h"
#include "operations/ImportedFile.h"
#include "operations/PublishedCheck.h"
#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/FileTransfer.h"
#include "platform/FolderTree.h"
#include "platform/FileReader.h"
#include "platform/NameCompare.h"
#include "platform/NameIndex.h"
#include "platform/PathSeparator.h"

#include <algorithm>
#include <utility>

namespace operations {

namespace {

/// Archives in archives are unpacked this deep, no deeper: an archive that holds itself ends here.
constexpr int kMostNesting = 3;


bool isPackage(std::string_view name)
{
    return platform::endsWithIgnoringCase(name, catalogue::kPackageExtension);
}

/// Where a file was found, for telling whether it is an archive.
enum class FoundIn { Dropped, Archive };

/// A file that is no map file may be an archive: its content tells. A file dropped or in a
/// dropped folder counts as one where its format is known (a damaged one is then reported); a
/// member of an archive only where an entry can be read from it: one that merely begins like an
/// empty archive stays the file it is.
bool mayBeArchive(const std::string& path, FoundIn where)
{
    if (isPackage(path) || catalogue::isCompanionName(path))
        return false;
    const ArchiveProbe probe = probeArchive(path);
    return probe == ArchiveProbe::Entries || (where == FoundIn::Dropped && probe != ArchiveProbe::NotAnArchive);
}

/// A companion file that goes along with a package among `dropped` anyway.
bool goesWithDroppedPackage(const std::string& path, const std::vector<std::string>& dropped)
{
    return std::any_of(dropped.begin(), dropped.end(), [&](const std::string& other) {
        if (!isPackage(other))
            return false;
        const auto names = catalogue::fileSetNamesOf(other);
        return std::any_of(names.begin() + 1, names.end(), [&](const std::string& companion) {
            return platform::namesEqual(path, companion);
        });
    });
}

/// The name of a folder made for `path`: its last component, for an archive without extension.
std::string folderNameFor(std::string path, bool isArchiveFile)
{
    path = platform::withoutClosingSeparator(std::move(path));
    std::string name = path.substr(platform::lastComponentStart(path));
    if (isArchiveFile) {
        const auto dot = name.rfind('.');
        if (dot != std::string::npos && dot > 0)
            name.erase(dot);
        // "maps.tar.gz" becomes "maps".
        if (platform::endsWithIgnoringCase(name, ".tar"))
            name.erase(name.size() - 4);
    }
    return name.empty() ? std::string("maps") : name;
}

/// How one try at a name went.
enum class NameTry {
    Done,   ///< the name is had
    Taken,  ///< something of that name is there: the next one is tried
    Failed, ///< no name will do
};

/// Tries `name`, then "name (2)", "name (3)", … with `attempt` until one is had (its name) or
/// fails; nothing when none was free.
template <class Attempt>
std::optional<std::string> tryFreeNames(const std::string& name, Attempt attempt)
{
    constexpr int kMostNumbers = 1000;
    for (int n = 1; n < kMostNumbers; ++n) {
        const std::string candidate = n == 1 ? name : name + " (" + std::to_string(n) + ")";
        switch (attempt(candidate)) {
        case NameTry::Done:
            return candidate;
        case NameTry::Taken:
            break;
        case NameTry::Failed:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

/// Puts `folder` into `into` (ending in the separator) as `name`, or "name (2)", "name (3)", …
/// where a name is taken in any case; false when no name could be had.
bool placeUnderFreeName(platform::TemporaryFolder& folder, const std::string& into, const std::string& name)
{
    return tryFreeNames(name, [&](const std::string& candidate) {
               if (folder.placeAt(into + candidate))
                   return NameTry::Done;
               return platform::findIgnoringCase(into + candidate) ? NameTry::Taken : NameTry::Failed;
           })
        .has_value();
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

/// Copies the file `from` to the new file `to` through `block` (one for all the copies of an
/// import), keeping the disk's reserve free; nothing, or why not.
std::optional<SkipReason> copyNewFile(const std::string& from, const std::string& to, DiskReserve& reserve,
                                      std::vector<char>& block)
{
    platform::FileReader in(from);
    if (!in.valid())
        return SkipReason::Unreadable;
    ImportedFile out(to, reserve, in.size());
    std::uint64_t at = 0;
    for (;;) {
        const std::int64_t got = in.read(block.data(), block.size());
        if (got < 0)
            return SkipReason::Unreadable;
        if (got == 0)
            break;
        if (!out.writeAt(at, block.data(), static_cast<std::size_t>(got)))
            return out.failure();
        at += static_cast<std::uint64_t>(got);
    }
    if (!out.finish(at))
        return out.failure();
    return std::nullopt;
}

/// The names given in one folder that an import fills, upper-cased: only the import writes
/// there, so they need no reading of the folder.
class TakenNames {
public:
    /// Takes `name`; false when it was taken already (in any case).
    bool take(const std::string& name) { return m_names.insert(name); }
    /// `name` or the first free "name (2)", "name (3)", … taken; empty when none is free.
    std::string takeFree(const std::string& name)
    {
        return tryFreeNames(name, [&](const std::string& candidate) { return take(candidate) ? NameTry::Done : NameTry::Taken; })
            .value_or(std::string());
    }

private:
    platform::NameSet m_names;
};

/// One import: the new-maps folder, what has been added and skipped, and whether the user cancelled.
class Import {
public:
    Import(const std::string& newMapsFolder, const std::string& publishedFolder, UnpackProgress& progress)
        : m_folder(platform::withSeparator(newMapsFolder)), m_publishedFolder(publishedFolder), m_reserve(newMapsFolder),
          m_progress(progress)
    {
    }

    ImportReport run(const std::vector<std::string>& dropped);

private:
    void addPackage(const std::string& package);
    void addFolder(const std::string& folder);
    void addArchive(const std::string& archive);
    /// Copies the maps of `source` (and unpacks its archives) into `target`, both ending in the
    /// separator, `target` new and empty; the packages it adds go to `packages` (their paths
    /// there). False when a
    /// file could not be copied (reported): the folder is then not added at all.
    bool copyMapsOf(const std::string& source, const std::string& target, const ShownPath& shownAs,
                    std::vector<std::string>& packages);
    /// A folder whose maps are being copied: where from and to, its names, upper-cased, and
    /// the names given in the copy.
    struct FolderCopy {
        const std::string& source;
        const std::string& target;
        const ShownPath& shownAs;
        platform::NameIndex<std::string> names; ///< the source's file names
        TakenNames taken;
        std::vector<std::string>& packages;
    };
    /// Copies one entry of the folder (its maps, an archive unpacked); false to stop the folder.
    bool copyEntry(FolderCopy& copy, const std::string& name, bool isFolder);
    bool copySubfolder(FolderCopy& copy, const std::string& name);
    /// Copies a package with the companions beside it.
    bool copyPackage(FolderCopy& copy, const std::string& name);
    /// True where a folder of the copy was made; otherwise reports why not (`shown`) and stops
    /// the import where the reason says so.
    bool madeFolder(std::optional<SkipReason> failed, const ShownPath& shown);
    /// Unpacks `archive` into the existing `target` and then the archives it held; false when
    /// it failed as a whole (reported).
    bool unpackInto(const std::string& archive, const std::string& target, const ShownPath& shownAs, int depth,
                    std::vector<std::string>& packages);
    /// Puts a finished temporary folder into place, or removes it; reports either way.
    void finish(platform::TemporaryFolder& temporary, const std::string& name, const std::string& source,
                const std::vector<std::string>& packages);
    void removeLeftovers();
    /// Where every one of `packages` is already, byte for byte: the folder of the first one's
    /// copy; nothing when one of them is new.
    std::optional<std::string> alreadyThere(const std::vector<std::string>& packages);
    /// The maps of `folder` and below it, as its list finds them, by their file names, into m_existing.
    void collectMaps(const std::string& folder);
    /// Notes that `path` (a dropped file or folder) was not added.
    void skip(const std::string& path, SkipReason reason) { skipShown(ShownPath(catalogue::fileNameOf(path)), reason); }
    void skipShown(const ShownPath& what, SkipReason reason) { m_report.skipped.push_back({what, reason}); }
    /// Cancels the rest where `reason` says so: the user cancelled, or the disk is full.
    void stopOn(SkipReason reason);

    std::string m_folder;
    std::string m_publishedFolder;
    DiskReserve m_reserve;
    UnpackProgress& m_progress;
    /// The maps already in the new-maps and published folders, read once at the first need.
    std::optional<platform::NameIndex<std::string>> m_existing;
    ImportReport m_report;
    bool m_cancelled = false;
    std::vector<char> m_block = std::vector<char>(1u << 20); ///< the bytes of a copy on their way
};

ImportReport Import::run(const std::vector<std::string>& dropped)
{
    removeLeftovers();
    for (const std::string& path : dropped) {
        if (m_cancelled)
            skip(path, SkipReason::Cancelled);
        else if (platform::folderExists(path))
            addFolder(path);
        else if (platform::isSpecialFile(path))
            skip(path, SkipReason::SpecialFile);
        else if (!platform::fileExists(path))
            skip(path, SkipReason::Unreadable);
        else if (isPackage(path))
            addPackage(path);
        else if (goesWithDroppedPackage(path, dropped))
            continue;
        else if (mayBeArchive(path, FoundIn::Dropped))
            addArchive(path);
        else
            skip(path, SkipReason::NoMaps);
    }
    return std::move(m_report);
}

void Import::stopOn(SkipReason reason)
{
    m_cancelled = m_cancelled || reason == SkipReason::Cancelled || reason == SkipReason::DiskFull;
}

void Import::removeLeftovers()
{
    if (const auto entries = platform::searchDirectory(m_folder, "*")) {
        for (const auto entry : *entries) {
            if (entry.isFolder && !entry.isLink && catalogue::isUnfinishedImport(entry.name))
                platform::removeAbandonedFolder(m_folder + std::string(entry.name));
        }
    }
}

void Import::addPackage(const std::string& package)
{
    const auto files = catalogue::mapFileSetOf(package).files();
    for (const std::string& file : files) {
        const std::string name = catalogue::fileNameOf(file);
        const std::uint64_t size = platform::fileSizeOrZero(file);
        auto room = m_reserve.roomForNew(size);
        if (!room && platform::copyFileWithoutReplacing(file, m_folder + name)) {
            room = m_reserve.wroteBlocks(m_reserve.blocksFor(size));
            if (file == package)
                m_report.addedMaps.push_back(name);
            continue;
        }
        skip(file, room ? *room : platform::findIgnoringCase(m_folder + name) ? SkipReason::NameTaken : SkipReason::Unreadable);
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
    platform::TemporaryFolder temporary(m_folder, catalogue::kUnfinishedImportPrefix);
    if (temporary.path().empty()) {
        skip(folder, SkipReason::Unreadable);
        return;
    }
    std::vector<std::string> packages;
    const std::string name = folderNameFor(folder, false);
    if (copyMapsOf(platform::withSeparator(folder), platform::withSeparator(temporary.path()), ShownPath(name), packages))
        finish(temporary, name, folder, packages);
}

void Import::addArchive(const std::string& archive)
{
    platform::TemporaryFolder temporary(m_folder, catalogue::kUnfinishedImportPrefix);
    if (temporary.path().empty()) {
        skip(archive, SkipReason::Unreadable);
        return;
    }
    std::vector<std::string> packages;
    if (unpackInto(archive, platform::withSeparator(temporary.path()), ShownPath(catalogue::fileNameOf(archive)), 0, packages))
        finish(temporary, folderNameFor(archive, true), archive, packages);
}

void Import::finish(platform::TemporaryFolder& temporary, const std::string& name, const std::string& source,
                    const std::vector<std::string>& packages)
{
    if (m_cancelled)
        return;
    if (packages.empty()) {
        skip(source, SkipReason::NoMaps);
    } else if (auto there = alreadyThere(packages)) {
        m_report.skipped.push_back({ShownPath(catalogue::fileNameOf(source)), SkipReason::AlreadyThere, std::move(*there)});
    } else if (!placeUnderFreeName(temporary, m_folder, name)) {
        skip(source, SkipReason::Unreadable);
    } else {
        for (const std::string& package : packages)
            m_report.addedMaps.push_back(catalogue::fileNameOf(package));
    }
}

void Import::collectMaps(const std::string& folder)
{
    // The maps the lists show: the finder's search, with its rules for links and unfinished imports.
    for (const std::string_view path : findFiles(folder, catalogue::kMapMask, true))
        m_existing->add(catalogue::fileNameOf(std::string(path)), std::string(path));
}

std::optional<std::string> Import::alreadyThere(const std::vector<std::string>& packages)
{
    if (!m_existing) {
        m_existing.emplace();
        collectMaps(m_folder.substr(0, m_folder.size() - 1));
        if (!m_publishedFolder.empty())
            collectMaps(m_publishedFolder);
    }
    std::optional<std::string> where;
    for (const std::string& package : packages) {
        const std::vector<std::string>& namesakes = m_existing->valuesOf(catalogue::fileNameOf(package));
        const auto same = std::find_if(namesakes.begin(), namesakes.end(), [&](const std::string& existing) {
            PublishedCheck check(package, existing);
            while (!check.step(std::uint64_t {1} << 30)) {
            }
            return check.state() == PublishedState::Same;
        });
        if (same == namesakes.end())
            return std::nullopt;
        if (!where)
            where = same->substr(0, platform::lastComponentStart(*same));
    }
    return where;
}

bool Import::copyMapsOf(const std::string& source, const std::string& target, const ShownPath& shownAs,
                        std::vector<std::string>& packages)
{
    const auto entries = platform::searchDirectory(source, "*");
    if (!entries) {
        skipShown(shownAs, SkipReason::Unreadable);
        return false;
    }
    FolderCopy copy {source, target, shownAs, {}, {}, packages};
    // The source's names, upper-cased, for its packages' companions: one reading of the folder.
    for (const auto entry : *entries) {
        if (!entry.isFolder)
            copy.names.add(entry.name, std::string(entry.name));
    }
    std::uint64_t done = 0;
    for (const auto entry : *entries) {
        // A large folder takes its time too: it shows its progress and may be cancelled.
        if (m_cancelled || !m_progress.unpacking(source.substr(0, source.size() - 1), done++, entries->size())) {
            if (!std::exchange(m_cancelled, true))
                skipShown(shownAs, SkipReason::Cancelled);
            return false;
        }
        const std::string name(entry.name);
        // Links are not followed: a folder of maps holds its maps itself.
        if (entry.isLink || (entry.isFolder && !catalogue::isSearchedFolder(name)))
            continue;
        if (!copyEntry(copy, name, entry.isFolder))
            return false;
    }
    return true;
}

bool Import::copyEntry(FolderCopy& copy, const std::string& name, bool isFolder)
{
    const std::string path = copy.source + name;
    const ShownPath shown = copy.shownAs.below(name);
    if (isFolder)
        return copySubfolder(copy, name);
    if (platform::isSpecialFile(path)) {
        skipShown(shown, SkipReason::SpecialFile);
        return true;
    }
    if (isPackage(name))
        return copyPackage(copy, name);
    if (!mayBeArchive(path, FoundIn::Dropped))
        return true;
    const std::string folderName = copy.taken.takeFree(folderNameFor(name, true));
    const std::string unpacked = copy.target + folderName;
    if (!madeFolder(folderName.empty() ? SkipReason::Unreadable : makeImportedFolder(unpacked, m_reserve), shown))
        return false;
    if (!unpackInto(path, platform::withSeparator(unpacked), shown, 0, copy.packages)) {
        platform::removeTree(unpacked);
        return !m_cancelled;
    }
    return true;
}

bool Import::copySubfolder(FolderCopy& copy, const std::string& name)
{
    const std::string subfolder = copy.target + name;
    const ShownPath shown = copy.shownAs.below(name);
    const std::size_t before = copy.packages.size();
    if (!madeFolder(copy.taken.take(name) ? makeImportedFolder(subfolder, m_reserve) : SkipReason::Unreadable, shown))
        return false;
    if (!copyMapsOf(platform::withSeparator(copy.source + name), platform::withSeparator(subfolder), shown, copy.packages))
        return false;
    // A folder without maps below it is not kept.
    if (copy.packages.size() == before)
        platform::removeTree(subfolder);
    return true;
}

bool Import::copyPackage(FolderCopy& copy, const std::string& name)
{
    for (const std::string& member : catalogue::fileSetNamesOf(name)) {
        const std::string* file = copy.names.firstOf(member);
        if (!file || !copy.taken.take(*file))
            continue;
        if (const auto failed = copyNewFile(copy.source + *file, copy.target + *file, m_reserve, m_block)) {
            skipShown(copy.shownAs.below(*file), *failed);
            stopOn(*failed);
            return false;
        }
    }
    copy.packages.push_back(copy.target + name);
    return true;
}

bool Import::madeFolder(std::optional<SkipReason> failed, const ShownPath& shown)
{
    if (!failed)
        return true;
    skipShown(shown, *failed);
    stopOn(*failed);
    return false;
}

bool Import::unpackInto(const std::string& archive, const std::string& target, const ShownPath& shownAs, int depth,
                        std::vector<std::string>& packages)
{
    Unpacked unpacked = unpackArchive(archive, target, m_reserve, m_progress);
    for (const Skipped& entry : unpacked.skippedEntries)
        skipShown(shownAs.inside(entry.what.text()), entry.reason);
    if (unpacked.failure) {
        stopOn(*unpacked.failure);
        skipShown(shownAs, *unpacked.failure);
        return false;
    }
    for (const std::string& file : unpacked.files) {
        const std::string name = catalogue::fileNameOf(file);
        if (isPackage(name)) {
            packages.push_back(file);
        } else if (depth + 1 < kMostNesting && mayBeArchive(file, FoundIn::Archive)) {
            // An archive in the archive: unpacked beside itself, and then not kept.
            const std::string beside = file.substr(0, platform::lastComponentStart(file));
            // A name taken meanwhile, or one that cannot be made, gives way to the next number.
            std::optional<SkipReason> failed = SkipReason::Unreadable;
            const auto folderName = tryFreeNames(folderNameFor(name, true), [&](const std::string& candidate) {
                failed = platform::findIgnoringCase(beside + candidate) ? SkipReason::NameTaken
                                                                        : makeImportedFolder(beside + candidate, m_reserve);
                if (!failed)
                    return NameTry::Done;
                return failed == SkipReason::NameTaken || failed == SkipReason::Unreadable ? NameTry::Taken : NameTry::Failed;
            });
            const std::string folder = folderName ? beside + *folderName : std::string();
            if (failed) {
                skipShown(shownAs.inside(name), *failed);
                stopOn(*failed);
            } else if (unpackInto(file, platform::withSeparator(folder), shownAs.inside(name), depth + 1, packages)) {
                platform::removeTree(file);
            } else {
                platform::removeTree(folder);
            }
        }
        if (m_cancelled)
            return false;
    }
    return true;
}

} // namespace


ImportReport importMaps(const std::vector<std::string>& dropped, const std::string& newMapsFolder,
                        UnpackProgress& progress, const std::string& publishedFolder)
{
    return Import(newMapsFolder, publishedFolder, progress).run(dropped);
}

} // namespace operations
