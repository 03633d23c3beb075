// Maps added from dropped files, folders and archives: what lands in the new-maps folder, what
// is skipped and why, and that nothing is ever replaced or left half-done.

#include "catalogue/FileManagement.h"
#include "catalogue/MapNames.h"
#include "operations/ArchiveEntryNames.h"
#include "operations/MapImport.h"
#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/FolderTree.h"
#include "platform/PathSeparator.h"
#include "ArchiveMaker.h"
#include "ChildProcess.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

using operations::SkipReason;
using Kind = ArchiveEntry::Kind;

namespace {

/// Counts the progress reports; cancels after `cancelAfter` of them (never when negative).
class CountingProgress : public operations::UnpackProgress {
public:
    explicit CountingProgress(int cancelAfter = -1) : m_cancelAfter(cancelAfter) {}
    bool unpacking(const std::string&, std::uint64_t done, std::uint64_t total) override
    {
        EXPECT_LE(done, total);
        ++calls;
        return m_cancelAfter < 0 || calls <= m_cancelAfter;
    }
    int calls = 0;

private:
    int m_cancelAfter;
};

/// The report in one line: "+DM-A.vsm +DM-B.vsm | what:reason …", reasons by number.
std::string summary(const operations::ImportReport& report)
{
    std::string text;
    for (const std::string& map : report.addedMaps)
        text += "+" + map + " ";
    text += "|";
    for (const auto& skipped : report.skipped) {
        text.append(" ").append(skipped.what.text()).append(":").append(std::to_string(static_cast<int>(skipped.reason)));
    }
    return text;
}

/// Every file and folder below `folder`, as "a, a/b, a/b/c.vsm", in the order Windows lists them;
/// hidden ones too.
std::string tree(const std::string& folder)
{
    std::string all;
    for (const FoundEntry& entry : everythingBelow(folder))
        all += (all.empty() ? "" : ", ") + entry.relative;
    return all;
}

} // namespace

TEST(ArchiveEntryNames, KeepsEntriesInsideTheirFolder)
{
    using Components = std::vector<std::string>;
    const auto components = [](std::string_view name) { return std::get<Components>(operations::entryComponents(name)); };
    EXPECT_EQ(components("Wrapper/DM-Deck.vsm"), (Components{"Wrapper", "DM-Deck.vsm"}));
    EXPECT_EQ(components("./a\\b//c/"), (Components{"a", "b", "c"}));
    EXPECT_EQ(components("a..b/..c"), (Components{"a..b", "..c"}));
    EXPECT_EQ(components("./"), Components{});
    // Names this system cannot hold: on Windows its forbidden characters and device names, also
    // with spaces or dots before an extension.
#ifdef _WIN32
    for (const char* device : {"NUL .vsm", "COM1 .vsm", "con.txt", "aux..vsm", "CONIN$", "conout$.ini", "COM\xC2\xB9.vsm",
                               "LPT\xC2\xB3", "PRN", "a:b", "dot.", "space "})
        EXPECT_FALSE(platform::canHoldName(device)) << device;
    for (const char* fine : {"COM10.vsm", "NULL.vsm", "CONSOLE", "LPT.txt", "DM-Deck.vsm"})
        EXPECT_TRUE(platform::canHoldName(fine)) << fine;
#else
    EXPECT_TRUE(platform::canHoldName("NUL .vsm"));
    EXPECT_FALSE(platform::canHoldName("a/b"));
    EXPECT_FALSE(platform::canHoldName(std::string(256, 'n')));
#endif
    for (const char* hostile : {"../x.vsm", "a/../../x.vsm", "a\\..\\x", "/etc/x", "\\\\server\\share\\x", "C:x.vsm",
                                "c:\\x.vsm", "z:/x", "..", ""})
        EXPECT_EQ(std::get<SkipReason>(operations::entryComponents(hostile)), SkipReason::OutsideItsFolder) << hostile;
}

namespace {

const std::string kUmlautFolder = "Wrapper \xC3\x84";   // "Wrapper Ä" in UTF-8
const std::string kUmlautMap = "DM-D\xC3\xBCne";        // "DM-Düne"

/// A new-maps folder and a downloads folder beside it.
struct ImportWorld {
    TempFolder root;
    std::string newMaps = root.makeFolder("new maps");
    std::string downloads = root.makeFolder("downloads");

    std::string download(const std::string& name, const std::string& format, const std::vector<ArchiveEntry>& entries,
                         const std::string& passphrase = {}) const
    {
        const std::string path = root / ("downloads/" + name);
        writeArchive(path, format, entries, passphrase);
        return path;
    }
    std::string import(const std::vector<std::string>& dropped, operations::UnpackProgress& progress) const
    {
        return summary(operations::importMaps(dropped, newMaps, progress));
    }
};

/// The downloads of the import of packages, folders and archives below, and a published map.
void downloadPacks(const ImportWorld& world)
{
    // Loose packages with their companions, whatever their case, and a file that is no map.
    world.root.write("downloads/DM-Loose.vsm", "loose");
    world.root.write("downloads/dm-loose.INI", "[DM-Loose]");
    world.root.write("downloads/DM-Loose_loc_int.vsp", "loc");
    world.root.write("downloads/readme.txt", "read me");
    // A map in a wrapper folder with a picture, umlauts in the names.
    world.download("DM-Pack.zip", "zip", {
        {kUmlautFolder + "/", "", Kind::Folder},
        {kUmlautFolder + "/" + kUmlautMap + ".vsm", std::string(300000, 'p')},
        {kUmlautFolder + "/" + kUmlautMap + ".ini", "[DM-Düne]"},
        {kUmlautFolder + "/shot.png", "png"},
    });
    // A 7z archive holding a zip archive.
    const std::string innerZip = world.root / "inner.zip";
    writeArchive(innerZip, "zip", {{"DM-Inner.vsm", "inner"}});
    world.download("CTF-Seven.7z", "7zip", {{"CTF-Seven.vsm", "seven"}, {"inner.zip", readFile(innerZip)}});
    // A folder with maps at two depths and an archive in it; a file without maps beside them.
    world.root.write("downloads/Collection/DM-Top.vsm", "top");
    world.root.write("downloads/Collection/deep/CTF-Deep.vsm", "deep");
    world.root.write("downloads/Collection/deep/CTF-Deep_LOC_INT.vsp", "deep loc");
    world.root.write("downloads/Collection/notes/notes.txt", "no map");
    writeArchive(world.root / "downloads/Collection/WAR-Zipped.zip", "zip", {{"WAR-Zipped.vsm", "war"}});
    // A pack of the same name with one map changed.
    world.root.makeFolder("downloads/changed");
    writeArchive(world.root / "downloads/changed/DM-Pack.zip", "zip",
                 {{kUmlautFolder + "/" + kUmlautMap + ".vsm", std::string(300000, 'q')},
                  {kUmlautFolder + "/" + kUmlautMap + ".ini", "[DM-Düne]"}, {kUmlautFolder + "/shot.png", "png"}});
    // A pack whose map is published already.
    world.root.write("published/CTF-Pub.vsm", "pub");
    world.download("CTF-Pub.zip", "zip", {{"CTF-Pub.vsm", "pub"}});
}

} // namespace

TEST(MapImport, PackagesFoldersAndArchivesBecomeMapsInTheNewMapsFolder)
{
#ifndef _WIN32
    umask(022);
#endif
    ImportWorld world;
    downloadPacks(world);
    const auto downloaded = [&](const std::string& name) { return world.root / ("downloads/" + name); };
    const std::string packed = world.newMaps + native("/DM-Pack/") + kUmlautFolder + native("/");
    const std::string umlautMap = std::string("+").append(kUmlautMap).append(".vsm");
    // The rows import in order into one new-maps folder: the later ones meet what the first placed.
    struct Row {
        const char* name;
        std::vector<std::string> dropped;
        std::string expected;
        std::string where = {}; ///< where the maps of the first one skipped are already
        std::string publishedFolder = {};
        bool unpacks = false;   ///< tells the progress of its unpacking
    };
    const std::vector<Row> rows = {
        {"loose packages with their companions in any case, one dropped with its package, a file that is no map",
         {downloaded("DM-Loose.vsm"), downloaded("dm-loose.INI"), downloaded("readme.txt")},
         "+DM-Loose.vsm | readme.txt:10"},
        {"a pack, a 7z archive holding a zip archive (both unpacked, the inner one not kept), a folder",
         {downloaded("DM-Pack.zip"), downloaded("CTF-Seven.7z"), downloaded("Collection")},
         umlautMap + " +CTF-Seven.vsm +DM-Inner.vsm +CTF-Deep.vsm +DM-Top.vsm +WAR-Zipped.vsm |", {}, {}, true},
        {"again: the same pack is there already, and the report says where; the loose map's files are all taken",
         {downloaded("DM-Pack.zip"), downloaded("DM-Loose.vsm")}, "| DM-Pack.zip:14 DM-Loose.vsm:8", packed},
        {"a pack of that name with one map changed takes \" (2)\"", {downloaded("changed/DM-Pack.zip")},
         umlautMap + " |"},
        {"a pack whose map is published already is not placed either", {downloaded("CTF-Pub.zip")}, "| CTF-Pub.zip:14",
         world.root / "published/", world.root / "published"},
        {"the new-maps folder itself, or a folder that holds it, would be copied into itself",
         {world.root.path(), world.newMaps}, "| " + catalogue::fileNameOf(world.root.path()) + ":11 new maps:11"},
    };
    for (const Row& row : rows) {
        CountingProgress progress;
        const auto report = operations::importMaps(row.dropped, world.newMaps, progress, row.publishedFolder);
        EXPECT_EQ(summary(report), row.expected) << row.name;
        EXPECT_EQ(report.skipped.empty() ? "" : report.skipped[0].where, row.where) << row.name;
        EXPECT_TRUE(!row.unpacks || progress.calls > 0) << row.name;
    }
    // What they placed together.
    const auto inPack = [](const std::string& folder) {
        const std::string wrapper = folder + "/" + kUmlautFolder;
        return folder + ", " + wrapper + ", " + wrapper + "/" + kUmlautMap + ".ini, " + wrapper + "/"
            + kUmlautMap + ".vsm, " + wrapper + "/shot.png";
    };
    EXPECT_EQ(tree(world.newMaps),
              "Collection, Collection/deep, Collection/deep/CTF-Deep.vsm, Collection/deep/CTF-Deep_LOC_INT.vsp, "
              "Collection/DM-Top.vsm, Collection/WAR-Zipped, Collection/WAR-Zipped/WAR-Zipped.vsm, "
              "CTF-Seven, CTF-Seven/CTF-Seven.vsm, CTF-Seven/inner, CTF-Seven/inner/DM-Inner.vsm, "
              "dm-loose.INI, DM-Loose.vsm, DM-Loose_loc_int.vsp, "
                  + inPack("DM-Pack") + ", " + inPack("DM-Pack (2)"));
    EXPECT_EQ(readFile(packed + kUmlautMap + ".vsm"), std::string(300000, 'p'));
#ifdef _WIN32
    // Put together hidden, shown once in place.
    EXPECT_FALSE(GetFileAttributesA((world.newMaps + native("/DM-Pack")).c_str()) & FILE_ATTRIBUTE_HIDDEN);
#else
    // Put together in a private folder, in place with the permissions anything made new gets
    // (here the umask is 022), so that the game run by another account reads it.
    for (const char* placed : {"/DM-Pack", "/Collection", "/CTF-Seven", "/CTF-Seven/CTF-Seven.vsm"}) {
        struct stat info {};
        ASSERT_EQ(stat((world.newMaps + placed).c_str(), &info), 0) << placed;
        EXPECT_EQ(info.st_mode & 0777, S_ISDIR(info.st_mode) ? 0755u : 0644u) << placed;
    }
#endif
    // The sources are as they were.
    EXPECT_EQ(readFile(downloaded("DM-Loose.vsm")), "loose");
    EXPECT_EQ(listFolder(world.downloads),
              "CTF-Pub.zip CTF-Seven.7z Collection DM-Loose.vsm DM-Loose_loc_int.vsp DM-Pack.zip changed dm-loose.INI readme.txt");
}

TEST(MapImport, HostileDamagedEncryptedOrCancelledArchivesLeaveNothingBehind)
{
    struct Row {
        const char* name;
        std::function<std::string(const ImportWorld&)> make;
        int cancelAfter;
        std::string expected;
        std::string left;
    };
    const std::vector<Row> rows = {
        {"entries that would leave the folder, a link, a name taken twice",
         [](const ImportWorld& w) {
             return w.download("DM-Hostile.zip", "zip", {
                 {"../DM-Escaped.vsm", "x"}, {"/tmp/DM-Absolute.vsm", "x"}, {"C:/DM-Drive.vsm", "x"},
                 {"maps/../../DM-Up.vsm", "x"}, {"DM-Link.vsm", "", Kind::Symlink, "/etc/passwd"},
                 {"DM-Good.vsm", "good"}, {"dm-good.vsm", "again"},
             });
         },
         -1,
         "+DM-Good.vsm | DM-Hostile.zip: ../DM-Escaped.vsm:0 DM-Hostile.zip: /tmp/DM-Absolute.vsm:0 "
         "DM-Hostile.zip: C:/DM-Drive.vsm:0 DM-Hostile.zip: maps/../../DM-Up.vsm:0 DM-Hostile.zip: DM-Link.vsm:1 "
         "DM-Hostile.zip: dm-good.vsm:8",
         "DM-Hostile, DM-Hostile/DM-Good.vsm"},
        {"links and a device in a tar archive",
         [](const ImportWorld& w) {
             return w.download("DM-Tar.tar", "tar", {
                 {"DM-Good.vsm", "good"}, {"DM-Hard.vsm", "", Kind::HardLink, "DM-Good.vsm"},
                 {"maps", "", Kind::Symlink, "/etc"}, {"maps/passwd", "x"}, {"pipe", "", Kind::Fifo},
             });
         },
         -1, "+DM-Good.vsm | DM-Tar.tar: DM-Hard.vsm:1 DM-Tar.tar: maps:1 DM-Tar.tar: pipe:2",
         "DM-Tar, DM-Tar/DM-Good.vsm, DM-Tar/maps, DM-Tar/maps/passwd"},
        {"a damaged archive",
         [](const ImportWorld& w) {
             std::string noise(200000, '\0');
             for (std::size_t i = 0; i < noise.size(); ++i)
                 noise[i] = static_cast<char>((i * 2654435761u) >> 13);
             const std::string path = w.download("DM-Broken.zip", "zip", {{"DM-A.vsm", noise}, {"DM-B.vsm", "b"}});
             std::string broken = readFile(path);
             for (std::size_t i = broken.size() / 2; i < broken.size() / 2 + 64; ++i)
                 broken[i] = static_cast<char>(~broken[i]);
             w.root.write("downloads/DM-Broken.zip", broken);
             return path;
         },
         -1, "| DM-Broken.zip:6", ""},
        {"a truncated archive",
         [](const ImportWorld& w) {
             const std::string path = w.download("DM-Cut.7z", "7zip", {{"DM-A.vsm", std::string(100000, 'a')}});
             w.root.write("downloads/DM-Cut.7z", readFile(path).substr(0, 200));
             return path;
         },
         -1, "| DM-Cut.7z:6", ""},
        {"an encrypted zip entry",
         [](const ImportWorld& w) { return w.download("DM-Secret.zip", "zip", {{"DM-Secret.vsm", "secret"}}, "pass"); },
         -1, "| DM-Secret.zip:4", ""},
        {"a cancelled unpacking",
         [](const ImportWorld& w) {
             return w.download("DM-Big.zip", "zip", {{"DM-A.vsm", std::string(2 << 20, 'a')}, {"DM-B.vsm", std::string(2 << 20, 'b')}});
         },
         3, "| DM-Big.zip:9", ""},
        {"archives of one name side by side in a folder, each in a folder of its own",
         [](const ImportWorld& w) {
             w.root.makeFolder("downloads/Same");
             writeArchive(w.root / "downloads/Same/bla.zip", "zip", {{"DM-Zip.vsm", "z"}});
             writeArchive(w.root / "downloads/Same/bla.7z", "7zip", {{"DM-Seven.vsm", "s"}});
             writeArchive(w.root / "downloads/Same/BLA.tar", "tar", {{"DM-Tar.vsm", "t"}});
             return w.root / "downloads/Same";
         },
         -1, "+DM-Seven.vsm +DM-Tar.vsm +DM-Zip.vsm |",
         "Same, Same/bla, Same/bla/DM-Seven.vsm, Same/BLA (2), Same/BLA (2)/DM-Tar.vsm, Same/bla (3), Same/bla (3)/DM-Zip.vsm"},
#ifndef _WIN32
        // (On Windows a path that long is longer than the system's paths are.)
        {"a map whose name has 250 bytes",
         [](const ImportWorld& w) { return w.root.write("downloads/DM-" + std::string(243, 'n') + ".vsm", "long"); },
         -1, "+DM-" + std::string(243, 'n') + ".vsm |", "DM-" + std::string(243, 'n') + ".vsm"},
        {"named pipes in a dropped folder are never opened",
         [](const ImportWorld& w) {
             w.root.write("downloads/Piped/DM-Good.vsm", "good");
             mkfifo((w.root / "downloads/Piped/DM-Pipe.vsm").c_str(), 0644);
             mkfifo((w.root / "downloads/Piped/pipe.zip").c_str(), 0644);
             return w.root / "downloads/Piped";
         },
         -1, "+DM-Good.vsm | Piped/DM-Pipe.vsm:2 Piped/pipe.zip:2", "Piped, Piped/DM-Good.vsm"},
        {"a named pipe dropped",
         [](const ImportWorld& w) {
             mkfifo((w.root / "downloads/pipe.vsm").c_str(), 0644);
             return w.root / "downloads/pipe.vsm";
         },
         -1, "| pipe.vsm:2", ""},
#endif
        {"a cancelled folder copy",
         [](const ImportWorld& w) {
             for (const char* map : {"DM-A", "DM-B", "DM-C", "DM-D"})
                 w.root.write(std::string("downloads/Many/") + map + ".vsm", map);
             return w.root / "downloads/Many";
         },
         2, "| Many:9", ""},
        {"an archive without maps",
         [](const ImportWorld& w) { return w.download("Pictures.zip", "zip", {{"a.png", "png"}}); },
         -1, "| Pictures.zip:10", ""},
    };
    for (const Row& row : rows) {
        ImportWorld world;
        // What a program ended midway left: removed, and never listed meanwhile.
        world.root.write("new maps/.vsm-unpacking-Ab12Cd/DM-Half.vsm", "half");
        world.root.write("new maps/~vsm-unpacking-0000ABCD/DM-Half.vsm", "half");
        EXPECT_TRUE(findFiles(world.newMaps, "*.vsm", true).empty()) << row.name;
        CountingProgress progress(row.cancelAfter);
        EXPECT_EQ(world.import({row.make(world)}, progress), row.expected) << row.name;
        EXPECT_EQ(tree(world.newMaps), row.left) << row.name;
        EXPECT_EQ(listFolder(world.root.path()), "downloads new maps") << row.name;
    }
}

TEST(MapImport, TwoRunningCopiesImportIntoOneFolderAtOnce)
{
    // Another copy of the program unpacks a pack slowly; this one adds a map meanwhile and
    // sweeps leftovers, which must leave the other's unfinished folder alone.
    ImportWorld world;
    std::vector<ArchiveEntry> maps;
    for (int i = 0; i < 10; ++i)
        maps.emplace_back("DM-Slow" + std::to_string(i) + ".vsm", std::string(4096, 's'));
    const std::string pack = world.download("DM-Slow.zip", "zip", maps);
    ChildProcess other("file_mover", {"import", pack, world.newMaps});
    ASSERT_TRUE(other.started());
    const auto unfinished = [&] {
        const auto entries = platform::searchDirectory(world.newMaps + native("/"), "*");
        for (const auto entry : entries.value_or(platform::DirectoryEntries {})) {
            if (catalogue::isUnfinishedImport(entry.name))
                return true;
        }
        return false;
    };
    for (int wait = 0; wait < 500 && !unfinished(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(unfinished());
    CountingProgress progress;
    EXPECT_EQ(world.import({world.root.write("downloads/CTF-Mine.vsm", "mine")}, progress), "+CTF-Mine.vsm |");
    EXPECT_EQ(other.wait(), 10);
    EXPECT_EQ(listFolder(world.newMaps), "CTF-Mine.vsm DM-Slow");
    EXPECT_EQ(listFolder(world.newMaps + native("/DM-Slow")),
              "DM-Slow0.vsm DM-Slow1.vsm DM-Slow2.vsm DM-Slow3.vsm DM-Slow4.vsm DM-Slow5.vsm DM-Slow6.vsm "
              "DM-Slow7.vsm DM-Slow8.vsm DM-Slow9.vsm");
}
