#include "catalogue/FileManagement.h"
#include "catalogue/KeptFileList.h"
#include "platform/Errors.h"
#include "platform/NameCompare.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include "platform/FileTransfer.h"
#include "platform/TextFile.h"
#ifndef _WIN32
#include "platform/posix/PosixFiles.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

/// Runs a fresh search and returns the paths found, relative to `root`.
std::vector<std::string> find(const TempFolder& root, const std::string& folder, const std::string& mask,
                              bool recursive = true)
{
    ResetFoundFiles();
    FindFiles(folder, mask, recursive);
    EXPECT_EQ(FoundFiles.size(), static_cast<std::size_t>(FoundFileCount));
    std::vector<std::string> relative;
    for (std::string path : FoundFiles.toStrings()) {
        std::replace(path.begin(), path.end(), '\\', '/');
        relative.push_back(path.substr(root.path().size() + 1));
    }
    return relative;
}

using Paths = std::vector<std::string>;

} // namespace

TEST(FindFiles, ListsSubfoldersFirstDepthFirstInWindowsOrder)
{
    TempFolder root;
    root.write("M/m.vsm");
    root.write("M/A/a.vsm");
    root.write("M/b/B1/deep.vsm");
    root.write("M/b/b.vsm");
    root.write("M/Z.vsm");
    root.write("M/readme.txt");
    root.write("M/C_/c.vsm");
    root.write("M/CD/cd.vsm");
    root.makeFolder("M/folder.vsm");
    EXPECT_EQ(find(root, root / "M", "*.vsm"),
              (Paths{"M/A/a.vsm", "M/b/B1/deep.vsm", "M/b/b.vsm", "M/CD/cd.vsm", "M/C_/c.vsm", "M/m.vsm", "M/Z.vsm"}));
    EXPECT_EQ(find(root, root / "M", "*.vsm", false), (Paths{"M/m.vsm", "M/Z.vsm"}));
    // A trailing separator is not doubled.
    EXPECT_EQ(find(root, root / "M/", "*.vsm", false), (Paths{"M/m.vsm", "M/Z.vsm"}));
}

TEST(FindFiles, MaskFiltersFilesOnlyAndFoldersAreEnteredWhateverTheirName)
{
    TempFolder root;
    root.write("M/CTF-Face.vsm");
    root.write("M/VCTF-Face.vsm");
    root.write("M/ctf-small.vsm");
    root.write("M/.hidden/CTF-Hidden.vsm");
    root.write("M/DM-x/CTF-In.vsm");
    // An import's unfinished folders are passed over; a folder only named like one is not.
    root.write("M/.vsm-unpacking-Ab12Cd/CTF-Half.vsm");
    root.write("M/~vsm-unpacking-0000ABCD/CTF-Half.vsm");
    root.write("M/vsm-unpacking-/CTF-Named.vsm");
    EXPECT_EQ(find(root, root / "M", "CTF*.vsm"),
              (Paths{"M/.hidden/CTF-Hidden.vsm", "M/DM-x/CTF-In.vsm", "M/vsm-unpacking-/CTF-Named.vsm", "M/CTF-Face.vsm",
                     "M/ctf-small.vsm"}));
}

TEST(FindFiles, AccumulatesUntilResetAndIgnoresMissingOrEmptyFolders)
{
    TempFolder root;
    root.write("A/a.vsm");
    root.write("B/b.vsm");
    root.write("file.vsm");
    ResetFoundFiles();
    FindFiles(root / "A", "*.vsm", true);
    FindFiles(root / "missing", "*.vsm", true);
    FindFiles(root / "file.vsm", "*.vsm", true); // a path that is a file, not a folder
    FindFiles("", "*.vsm", true);                // never the root of the file system
    FindFiles(root / "B", "*.vsm", true);
    ASSERT_EQ(FoundFileCount, 2);
    EXPECT_EQ(FoundFiles, (TStringArray{root / "A/a.vsm", root / "B/b.vsm"}));
    ResetFoundFiles();
    EXPECT_EQ(FoundFileCount, 0);
    EXPECT_TRUE(FoundFiles.empty());
}

/// A list kept from the notices of `folder`, compared with a fresh reading at each step.
class KeptAgainstReading {
public:
    using Update = catalogue::KeptFileList::Update;
    explicit KeptAgainstReading(std::string folder) : m_folder(std::move(folder)) {}

    /// Brings the list up to date from what the notices tell once caught up with (reading the
    /// folder where they cannot tell); what it took.
    Update keep()
    {
        m_kept.catchUp();
        const Update update = m_kept.take(m_folder, "*.vsm", true);
        if (update == Update::ReadAgain || (update == Update::Edited && !m_kept.applyTo(m_list)))
            m_list = reading();
        EXPECT_EQ(m_list.toStrings(), reading().toStrings());
        return update;
    }

private:
    TStringArray reading() const { return findFiles(m_folder, "*.vsm", true); }

    std::string m_folder;
    catalogue::KeptFileList m_kept;
    TStringArray m_list;
};

// On every system a kept list follows the changes of its tree by edits once its notices are
// caught up with (Windows tells them late): files that come, go and are renamed, in subfolders
// too. A folder that comes or goes, or a burst of changes larger than the system keeps between
// two readings, makes it read again once; what an import puts together is none of it. The
// markers of the catch-ups are never listed and never left behind.
TEST(KeptFileList, FollowsTheTreeByEditsOnceCaughtUpAndIsReadAgainWhereNoticesWereLost)
{
    TempFolder root;
    root.write("maps/DM-A.vsm");
    root.write("maps/Pack/CTF-P.vsm");
    root.write("maps/.vsm-unpacking-Ab12Cd/DM-Old.vsm");
    KeptAgainstReading kept(root / "maps");
    using Update = KeptAgainstReading::Update;
    EXPECT_EQ(kept.keep(), Update::ReadAgain); // the first reading
    namespace fs = std::filesystem;
    const auto shuttle = [&](int times) {
        for (int i = 0; i < times; ++i) {
            fs::rename(fsPath(root / "maps/DM-A.vsm"), fsPath(root / "maps/DM-Shuttle.vsm"));
            fs::rename(fsPath(root / "maps/DM-Shuttle.vsm"), fsPath(root / "maps/DM-A.vsm"));
        }
    };
    const struct {
        const char* what;
        std::function<void()> change;
        Update update;
    } steps[] = {
        {"a map came", [&] { root.write("maps/DM-B.vsm"); }, Update::Edited},
        {"one in a subfolder", [&] { root.write("maps/Pack/CTF-Q.vsm"); }, Update::Edited},
        {"renamed", [&] { fs::rename(fsPath(root / "maps/DM-B.vsm"), fsPath(root / "maps/Pack/DM-B2.vsm")); }, Update::Edited},
        {"removed", [&] { fs::remove(fsPath(root / "maps/Pack/CTF-P.vsm")); }, Update::Edited},
        {"a companion", [&] { root.write("maps/DM-A.ini"); }, Update::Unchanged},
        {"renamed back and forth", [&] { shuttle(3); }, Update::Edited},
        {"in an import's unfinished folder", [&] { root.write("maps/.vsm-unpacking-Ab12Cd/DM-Half.vsm"); }, Update::Unchanged},
        {"an import's folder came", [&] { root.write("maps/~vsm-unpacking-0000ABCD/DM-Half.vsm"); }, Update::Unchanged},
        {"a folder came", [&] { root.write("maps/New pack/DM-N.vsm"); }, Update::ReadAgain},
        {"a folder went", [&] { fs::rename(fsPath(root / "maps/New pack"), fsPath(root / "elsewhere")); }, Update::ReadAgain},
        {"a burst", [&] { shuttle(5000); }, Update::ReadAgain}, // past what the system keeps
        {"after the burst", [&] { root.write("maps/DM-C.vsm"); }, Update::Edited},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        EXPECT_EQ(kept.keep(), step.update);
    }
    for (const FoundEntry& entry : everythingBelow(root.path()))
        EXPECT_EQ(entry.relative.find(".vsm-notices-"), std::string::npos) << entry.relative;
}

#ifndef _WIN32
// POSIX only: folder links are made with symlink().
TEST(FindFiles, FollowsFolderLinksButNotIntoACycle)
{
    TempFolder root;
    root.write("M/a.vsm");
    root.write("Other/o.vsm");
    ASSERT_EQ(symlink((root / "M").c_str(), (root / "M/loop").c_str()), 0);
    ASSERT_EQ(symlink((root / "Other").c_str(), (root / "M/link").c_str()), 0);
    EXPECT_EQ(find(root, root / "M", "*.vsm"), (Paths{"M/link/o.vsm", "M/a.vsm"}));
    // Where the file system reports no entry type, the entry itself says it is a link.
    using platform::EntryKind;
    EXPECT_EQ(platform::entryKind(root / "M/", "loop", DT_UNKNOWN), (EntryKind{true, true}));
    EXPECT_EQ(platform::entryKind(root.path() + "/", "M", DT_UNKNOWN), (EntryKind{true, false}));
    EXPECT_EQ(platform::entryKind(root / "M/", "a.vsm", DT_UNKNOWN), (EntryKind{false, false}));
}

// A kept list stays what a reading gives, by edits wherever the notices can tell the change:
// also through folder links (followed as the search follows them, a cycle not entered twice).
// A folder above it renamed, or one coming or going, makes it read again.
TEST(KeptFileList, StaysWhatAReadingGivesByEditsThroughLinksAndIsReadAgainAfterAParentMoved)
{
    TempFolder root;
    root.write("top/maps/DM-A.vsm");
    root.write("Other/CTF-O.vsm");
    ASSERT_EQ(symlink((root / "Other").c_str(), (root / "top/maps/Linked").c_str()), 0);
    ASSERT_EQ(symlink((root / "top/maps").c_str(), (root / "top/maps/Linked2").c_str()), 0);
    KeptAgainstReading kept(root / "top/maps");
    using Update = KeptAgainstReading::Update;
    const auto keep = [&] { return kept.keep(); };
    EXPECT_EQ(keep(), Update::ReadAgain); // the first reading
    const struct {
        std::function<void()> change;
        Update update;
    } steps[] = {
        {[&] { root.write("top/maps/DM-B.vsm"); }, Update::Edited},
        {[&] { root.write("Other/CTF-P.vsm"); }, Update::Edited}, // through the link
        {[&] { std::filesystem::rename(root / "Other/CTF-O.vsm", root / "top/maps/CTF-O.vsm"); }, Update::Edited},
        {[&] { std::filesystem::remove(root / "top/maps/DM-A.vsm"); }, Update::Edited},
        {[&] { root.write("top/maps/notes.txt"); }, Update::Unchanged},
        {[&] { root.write("top/maps/Pack/DM-C.vsm"); }, Update::ReadAgain}, // a folder came
        {[&] { root.write("top/maps/Pack/DM-D.vsm"); }, Update::Edited},
        {[&] { std::filesystem::rename(root / "top", root / "moved"); }, Update::ReadAgain}, // nothing there now
        {[&] { root.write("moved/maps/DM-E.vsm"); }, Update::ReadAgain}, // no folder to watch
        {[&] { std::filesystem::rename(root / "moved", root / "top"); }, Update::ReadAgain},
        {[&] { root.write("top/maps/DM-F.vsm"); }, Update::Edited},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        steps[i].change();
        EXPECT_EQ(keep(), steps[i].update);
    }
}
#endif

TEST(FindFiles, KeepsManyResultsInOrder)
{
    TempFolder root;
    for (int i = 0; i < 250; ++i)
        root.write("M/map" + std::string(i < 10 ? "00" : i < 100 ? "0" : "") + std::to_string(i) + ".vsm");
    // Names that differ only past their first eight or sixteen bytes, in letters of either case.
    for (const char* name : {"CTF-Fortress-Of-Doom-b", "CTF-Fortress-Of-Doom-A", "ctf-fortress-Of-Doom", "CTF-FORTRESS-OF-DOOM-",
                             "CTF-Fortress-Of-Dawn", "CTF-Fortress-Of-", "ctf-fortress", "CTF-Fort", "CTF-For"})
        root.write("M/" + std::string(name) + ".vsm");
    const auto found = find(root, root / "M", "*.vsm");
    ASSERT_EQ(found.size(), 259u);
    EXPECT_EQ(found.front(), "M/CTF-For.vsm");
    EXPECT_EQ(found.back(), "M/map249.vsm");
    auto expected = found;
    std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
        return platform::upperCasedAscii(a) < platform::upperCasedAscii(b);
    });
    EXPECT_EQ(found, expected);
}

TEST(FileSizeOf, SizesEmptyHugeAndMissingFiles)
{
    TempFolder root;
    EXPECT_EQ(FileSizeOf(root.write("empty.vsm", "")), 0);
    EXPECT_EQ(FileSizeOf(root.write("small.vsm", "12345")), 5);

    // A sparse file past 4 GiB: the size needs all 64 bits.
    const std::string huge = root.write("huge.vsm", "");
    const std::int64_t size = 5LL * 1024 * 1024 * 1024 + 7;
    std::filesystem::resize_file(huge, static_cast<std::uintmax_t>(size));
    EXPECT_EQ(FileSizeOf(huge), size);

    try {
        FileSizeOf(root / "gone.vsm");
        FAIL() << "no error";
    } catch (const platform::FileOpenError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Datei " + (root / "gone.vsm") + " kann nicht geöffnet werden. ", 0), 0u);
    }
    EXPECT_THROW(FileSizeOf(root.path()), platform::FileOpenError);

#ifndef _WIN32
    // A named pipe named like a map (POSIX only) never makes anyone wait: no size, no text, no copy.
    const std::string pipe = root / "DM-Pipe.vsm";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(FileSizeOf(pipe), 0);
    EXPECT_THROW(platform::readWholeFile(pipe), platform::FileOpenError);
    EXPECT_FALSE(platform::copyFile(pipe, root / "copy.vsm"));
    EXPECT_EQ(readFile(root / "copy.vsm"), "<missing>");
#endif
}
