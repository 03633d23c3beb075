#include "platform/DirectorySearch.h"
#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/TreeNotices.h"
#include "platform/FileTransfer.h"
#include "platform/TextFile.h"
#include "ChildProcess.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

// POSIX only: the permission bits of a replaced file are kept.
TEST(SaveFileAtomically, KeepsThePermissionBits)
{
    TempFolder root;
    const std::string path = root.write("DM-Deck.ini", "old");
    chmod(path.c_str(), 0640);
    platform::saveFileAtomically(path, "new");
    struct stat info {};
    stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}
#endif

using namespace platform;

TEST(MoveFile, NeverReplacesAndFailsOnAMissingSource)
{
    TempFolder root;
    const std::string from = root.write("new/DM-Deck.vsm", "new");
    const std::string to = root.write("published/DM-Deck.vsm", "old");
    EXPECT_FALSE(moveFile(from, to));
    EXPECT_EQ(readFile(from), "new");
    EXPECT_EQ(readFile(to), "old");

    EXPECT_TRUE(moveFile(from, root / "published/DM-Other.vsm"));
    EXPECT_EQ(readFile(from), "<missing>");
    EXPECT_EQ(readFile(root / "published/DM-Other.vsm"), "new");

    EXPECT_FALSE(moveFile(root / "new/none.vsm", root / "published/none.vsm"));
    EXPECT_FALSE(moveFile(to, root / "no-such-folder/x.vsm"));
    EXPECT_EQ(readFile(to), "old");

    // A name taken in another case is taken, as on Windows.
    const std::string upper = root.write("new/CTF-Face.vsm", "new");
    root.write("published/ctf-face.vsm", "old");
    EXPECT_FALSE(moveFile(upper, root / "published/CTF-Face.vsm"));
    EXPECT_EQ(readFile(upper), "new");
    EXPECT_EQ(listFolder(root / "published"), "DM-Deck.vsm DM-Other.vsm ctf-face.vsm");

    // Several files into one folder: each as moveFile would, a namesake placed earlier included.
    root.write("published/ctf-face.ini", "old");
    moveFilesInto(root / "published/", {{root.write("new/CTF-Face.ini", "new"), "CTF-Face.ini"},
                                        {root.write("new/a.vsp", "first"), "CTF-FACE.vsp"},
                                        {root.write("new/b.vsp", "second"), "ctf-face.VSP"}});
    EXPECT_EQ(listFolder(root / "published"), "CTF-FACE.vsp DM-Deck.vsm DM-Other.vsm ctf-face.ini ctf-face.vsm");
    EXPECT_EQ(readFile(root / "published/CTF-FACE.vsp"), "first");
    EXPECT_EQ(listFolder(root / "new"), "CTF-Face.ini CTF-Face.vsm b.vsp");
}

#ifndef _WIN32
// POSIX only: /dev/shm is the second file system at hand.
TEST(MoveFile, WorksAcrossFileSystemsAndNeverReplacesThere)
{
    struct stat tmp {}, shm {};
    TempFolder root;
    if (stat("/dev/shm", &shm) != 0 || stat(root.path().c_str(), &tmp) != 0 || tmp.st_dev == shm.st_dev)
        GTEST_SKIP() << "no second file system at /dev/shm";
    const std::string from = root.write("DM-Far.vsm", std::string(200000, 'm'));
    const std::string to = "/dev/shm/vsm-test-" + std::to_string(getpid()) + "-DM-Far.vsm";
    EXPECT_TRUE(moveFile(from, to));
    EXPECT_EQ(readFile(to), std::string(200000, 'm'));
    EXPECT_EQ(readFile(from), "<missing>");

    const std::string again = root.write("DM-Far.vsm", "second");
    EXPECT_FALSE(moveFile(again, to));
    EXPECT_EQ(readFile(again), "second");
    EXPECT_EQ(readFile(to), std::string(200000, 'm'));
    EXPECT_EQ(listFolder(root.path()), "DM-Far.vsm");
    unlink(to.c_str());
}

// A folder that refuses writes (a read-only file system, Controlled Folder Access on Windows)
// is not waited for as a file that another program holds: the move fails at once. A move off
// it to another file system copies, cannot remove its source, and takes the copy back: the file
// stays in one place only.
TEST(MoveFile, IntoOrOffAFolderThatRefusesWritesFailsAtOnceAndLeavesTheFileInOnePlace)
{
    TempFolder root;
    const ReadOnlyProgramFolder folder(root);
    if (folder.path().empty())
        GTEST_SKIP() << "no read-only folder can be had here";
    const std::string& readOnly = folder.path();
    const std::string held = readOnly + native("/config.ini");
    const std::string mine = root.write("DM-Mine.vsm", "mine");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(moveFile(mine, readOnly + native("/DM-Mine.vsm")));
    EXPECT_FALSE(moveFile(held, root / "config.ini"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
    EXPECT_EQ(readFile(mine), "mine");
    EXPECT_EQ(readFile(held), "Language:\r\nDeutsch\r\n");
    EXPECT_EQ(readFile(root / "config.ini"), "<missing>");
}

namespace {

/// An exFAT file system (no hard links, no no-replace rename, no permission bits) on a loop
/// device, mounted through FUSE while the object lives; `mounted()` is false where this
/// machine cannot make one (not root, no loop device, tools missing).
class ExFatMount {
public:
    explicit ExFatMount(const TempFolder& root)
        : m_point(root.makeFolder("exfat")), m_image(root / "exfat.img")
    {
        const std::string script = "truncate -s 8M '" + m_image + "' && mkfs.exfat '" + m_image
            + "' >/dev/null 2>&1 && dev=$(losetup -f --show '" + m_image + "' 2>/dev/null) && echo $dev > '"
            + m_image + ".dev' && mount.exfat-fuse $dev '" + m_point + "' >/dev/null 2>&1";
        m_mounted = geteuid() == 0 && std::system(script.c_str()) == 0;
    }
    ~ExFatMount()
    {
        const std::string script = "umount '" + m_point + "' 2>/dev/null; [ -f '" + m_image + ".dev' ] && losetup -d $(cat '"
            + m_image + ".dev') 2>/dev/null";
        (void)std::system(script.c_str());
    }
    bool mounted() const { return m_mounted; }
    std::string operator/(const std::string& name) const { return m_point + "/" + name; }

private:
    std::string m_point, m_image;
    bool m_mounted = false;
};

} // namespace

// POSIX only: FAT-like file systems are where Linux renames and links differ from Windows.
TEST(MoveFile, WorksOntoAFileSystemWithoutHardLinksAndNeverReplacesThere)
{
    TempFolder root;
    ExFatMount exfat(root);
    if (!exfat.mounted())
        GTEST_SKIP() << "no exFAT file system can be mounted here";
    // Across file systems, and within the exFAT one.
    EXPECT_TRUE(moveFile(root.write("new/DM-Deck.vsm", "deck"), exfat / "DM-Deck.vsm"));
    EXPECT_TRUE(moveFile(exfat / "DM-Deck.vsm", exfat / "DM-Moved.vsm"));
    EXPECT_EQ(readFile(exfat / "DM-Moved.vsm"), "deck");
    // Never replaced, whatever the case of the name, from either side.
    saveFileAtomically(exfat / "DM-Other.vsm", "other");
    EXPECT_FALSE(moveFile(root.write("new/dm-moved.vsm", "second"), exfat / "dm-moved.vsm"));
    EXPECT_FALSE(moveFile(exfat / "DM-Other.vsm", exfat / "DM-MOVED.vsm"));
    EXPECT_EQ(readFile(exfat / "DM-Moved.vsm"), "deck");
    EXPECT_EQ(readFile(root / "new/dm-moved.vsm"), "second");
    EXPECT_TRUE(copyFile(root / "new/dm-moved.vsm", exfat / "DM-Other.vsm"));
    EXPECT_EQ(readFile(exfat / "DM-Other.vsm"), "second");
    EXPECT_EQ(listFolder(exfat / ""), "DM-Moved.vsm DM-Other.vsm");

    // A program killed while it moves a map to and fro leaves it whole under one of its two
    // names, and nothing under the other: no empty stand-in the game would load.
    const std::string shuttled(100000, 's');
    saveFileAtomically(exfat / "DM-Shuttle.vsm", shuttled);
    for (int round = 0; round < 12; ++round) {
        ChildProcess mover("file_mover", {"shuttle", exfat / "DM-Shuttle.vsm", exfat / "DM-Shuttled.vsm"});
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + 7 * round));
        mover.kill();
        const std::string there = readFile(exfat / "DM-Shuttle.vsm"), back = readFile(exfat / "DM-Shuttled.vsm");
        EXPECT_TRUE((there == shuttled && back == "<missing>") || (there == "<missing>" && back == shuttled))
            << "round " << round << ": " << there.size() << " and " << back.size() << " bytes";
    }
}
#endif

namespace {

/// A folder on another file system than the temporary folder, for moves that must copy;
/// empty where there is none. Under Wine, drive Z: reaches the host's /dev/shm.
std::string otherFileSystemFolder()
{
    const std::string shm = native("/dev/shm");
    for (const std::string& candidate : {shm, "Z:" + shm}) {
        if (folderExists(candidate))
            return candidate;
    }
    return {};
}

} // namespace

// A move across file systems that is killed midway (a crash, a power cut, a log-off): the
// destination holds the map whole or not at all, the source stays until the copy is in place,
// and the next move completes it and removes what the killed one left.
TEST(MoveFile, KilledAcrossFileSystemsLeavesEachFileWholeAtOneOfItsPlaces)
{
    TempFolder root;
    const std::string far = otherFileSystemFolder();
    if (far.empty())
        GTEST_SKIP() << "no second file system";
    std::string bytes(48 << 20, 'h');
    for (std::size_t i = 0; i < bytes.size(); i += 4096)
        bytes[i] = static_cast<char>('a' + i / 4096 % 26);
    const std::string source = far + native("/vsm-killed-" + std::to_string(std::rand()) + "-DM-Huge.vsm");
    saveFileAtomically(source, bytes);
    const std::string target = root.makeFolder("published") + native("/DM-Huge.vsm");
    for (int delay : {5, 40, 120}) {
        if (readFile(target) != "<missing>")
            break;
        ChildProcess mover("file_mover", {"move", source, target});
        ASSERT_TRUE(mover.started());
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        mover.kill();
        const std::string placed = readFile(target);
        EXPECT_TRUE(placed == "<missing>" || placed == bytes) << "after " << delay << " ms: " << placed.size();
        if (placed == "<missing>") {
            EXPECT_EQ(readFile(source).size(), bytes.size()) << "after " << delay << " ms";
        }
    }
    EXPECT_TRUE(moveFile(source, target) || readFile(target) == bytes);
    EXPECT_EQ(readFile(target), bytes);
    EXPECT_EQ(listFolder(root / "published"), "DM-Huge.vsm");
    std::filesystem::remove(source);
}

TEST(CopyFile, ReplacesTheDestinationAndLeavesNothingHalfWritten)
{
    TempFolder root;
    const std::string from = root.write("new/DM-Deck.vsm", "fresh");
    const std::string to = root.write("published/DM-Deck.vsm", "stale");
    EXPECT_TRUE(copyFile(from, to));
    EXPECT_EQ(readFile(to), "fresh");
    EXPECT_EQ(readFile(from), "fresh");

    EXPECT_FALSE(copyFile(root / "new/none.vsm", root / "published/none.vsm"));
    EXPECT_FALSE(copyFile(from, root / "published/missing/DM-Deck.vsm"));
    root.makeFolder("published/dir.vsm");
    EXPECT_FALSE(copyFile(from, root / "published/dir.vsm"));
    EXPECT_EQ(listFolder(root / "published"), "DM-Deck.vsm dir.vsm");

    // A destination named in another case is replaced under its own name; a read-only one is not.
    EXPECT_TRUE(copyFile(from, root / "published/dm-deck.VSM"));
    EXPECT_EQ(listFolder(root / "published"), "DM-Deck.vsm dir.vsm");
    const std::string locked = root.write("published/DM-Locked.vsm", "kept");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
    EXPECT_FALSE(copyFile(from, locked));
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
    EXPECT_EQ(readFile(locked), "kept");
    EXPECT_EQ(listFolder(root / "published"), "DM-Deck.vsm DM-Locked.vsm dir.vsm");

    // Several files into one folder: each replaces what is there under its name, in order.
    copyFilesInto(root / "published/", {{root.write("new/a.ini", "first"), "DM-DECK.INI"},
                                        {root.write("new/b.ini", "second"), "dm-deck.ini"},
                                        {from, "DM-DECK.VSM"}});
    EXPECT_EQ(listFolder(root / "published"), "DM-DECK.INI DM-Deck.vsm DM-Locked.vsm dir.vsm");
    EXPECT_EQ(readFile(root / "published/DM-DECK.INI"), "second");
}

#ifndef _WIN32
namespace {

/// The value of `key` in a .trashinfo file, its %XX escapes undone.
std::string trashInfoValue(const std::string& info, const std::string& key)
{
    const auto at = info.find("\n" + key + "=");
    if (at == std::string::npos)
        return "<none>";
    const std::string escaped = info.substr(at + key.size() + 2, info.find('\n', at + 1) - at - key.size() - 2);
    std::string value;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '%' && i + 2 < escaped.size()) {
            value += static_cast<char>(std::stoi(escaped.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            value += escaped[i];
        }
    }
    return value;
}

} // namespace
#endif

TEST(RecycleFile, SendsOneFileToTheTrashFromWhereItCanBeRestored)
{
    TempFolder root;
    const std::string path = root.write("new maps/DM-Deck 100%.vsm", "deck bytes");
    root.makeFolder("folder");
    EXPECT_FALSE(recycleFile(root / "new maps/DM-Missing.vsm"));
    EXPECT_FALSE(recycleFile(root / "folder"));
    EXPECT_TRUE(folderExists(root / "folder"));
    // A read-only map stays, as a plain delete of it fails.
    const std::string locked = root.write("new maps/DM-Locked.vsm", "locked");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    EXPECT_FALSE(recycleFile(locked));
    EXPECT_EQ(readFile(locked), "locked");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
#ifndef _WIN32
    // The home trash of a home of this test's own.
    setenv("HOME", root.path().c_str(), 1);
    setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    EXPECT_TRUE(recycleFile(path));
    EXPECT_EQ(readFile(path), "<missing>");
    const std::string info = readFile(root / "data/Trash/info/DM-Deck 100%.vsm.trashinfo");
    EXPECT_EQ(info.rfind("[Trash Info]\n", 0), 0u) << info;
    EXPECT_EQ(trashInfoValue(info, "Path"), path);
    // A file manager's restore: the file back where the .trashinfo says.
    std::filesystem::rename(root / "data/Trash/files/DM-Deck 100%.vsm", trashInfoValue(info, "Path"));
    EXPECT_EQ(readFile(path), "deck bytes");

    // Where no trash can take the file (here a system mount), it goes for good, as before.
    const std::string far = "/dev/shm/vsm-recycle-" + std::to_string(getpid()) + ".vsm";
    saveFileAtomically(far, "far");
    EXPECT_TRUE(recycleFile(far));
    EXPECT_EQ(readFile(far), "<missing>");
    EXPECT_EQ(listFolder(root / "data/Trash/files"), "");
#else
    // The shell's undoable delete (the recycle bin of the drive, or for good where it has none).
    EXPECT_TRUE(recycleFile(path));
    EXPECT_EQ(readFile(path), "<missing>");
#endif
}

TEST(FileSystem, ExistenceAndCaseInsensitiveLookup)
{
    TempFolder root;
    const std::string file = root.write("maps/DM-Deck_LOC_INT.vsp");
    root.makeFolder("maps/DM-Deck.ini");
    EXPECT_TRUE(fileExists(file));
    EXPECT_FALSE(fileExists(root / "maps"));
    EXPECT_TRUE(folderExists(root / "maps"));
    EXPECT_TRUE(folderExists(root / "maps/"));
    EXPECT_FALSE(folderExists(file));
    EXPECT_FALSE(folderExists(""));

    EXPECT_EQ(findIgnoringCase(root / "maps/DM-Deck_LOC_int.vsp"), file);
    EXPECT_EQ(findIgnoringCase(file), file);
    EXPECT_EQ(findIgnoringCase(root / "maps/dm-deck.INI"), root / "maps/DM-Deck.ini");
    EXPECT_EQ(findIgnoringCase(root / "maps/none.vsp"), std::nullopt);
    EXPECT_EQ(findIgnoringCase(root / "gone/x.vsp"), std::nullopt);

    // Many look-ups in a row answer as one reading each would, whatever changes meanwhile, once
    // the notices are caught up with (Windows tells them late).
    const std::string maps = root / "maps" + native("/");
    TreeNotices names(maps);
    using Found = std::vector<std::optional<std::string>>;
    const std::vector<std::string> asked {"dm-deck_loc_int.VSP", "CTF-Face.vsm", "ctf-face.vsm"};
    const auto find = [&] {
        names.catchUp();
        return names.find(maps, asked);
    };
    EXPECT_EQ(find(), (Found{"DM-Deck_LOC_INT.vsp", std::nullopt, std::nullopt}));
    root.write("maps/ctf-FACE.vsm");
    EXPECT_EQ(find(), (Found{"DM-Deck_LOC_INT.vsp", "ctf-FACE.vsm", "ctf-FACE.vsm"}));
    std::filesystem::rename(root / "maps/ctf-FACE.vsm", root / "maps/other.vsm");
    EXPECT_EQ(find(), (Found{"DM-Deck_LOC_INT.vsp", std::nullopt, std::nullopt}));
    std::filesystem::rename(root / "maps/other.vsm", root / "maps/ctf-face.vsm");
    EXPECT_EQ(find(), (Found{"DM-Deck_LOC_INT.vsp", "ctf-face.vsm", "ctf-face.vsm"}));
    std::filesystem::remove(file);
    std::filesystem::rename(root / "maps/ctf-face.vsm", root / "elsewhere.vsm");
    EXPECT_EQ(find(), (Found{std::nullopt, std::nullopt, std::nullopt}));
    // A name that differs in the case of a letter beyond ASCII is found as the disk finds it
    // (on Windows, whose file systems take "ü" and "Ü" as one).
    root.write("maps/CTF-Z\xc3\xbcrich.ini");
    const std::vector<std::string> zurich {"ctf-z\xc3\x9crich.INI"};
    names.catchUp();
    EXPECT_EQ(names.find(maps, zurich), findAllIgnoringCase(maps, zurich));
}

TEST(SaveFileAtomically, ReplacesWholeAndCleansUp)
{
    TempFolder root;
    const std::string path = root.write("DM-Deck.ini", "old");
    saveFileAtomically(path, "new\r\n");
    EXPECT_EQ(readFile(path), "new\r\n");
    saveFileAtomically(root / "created.ini", "");
    EXPECT_EQ(readFile(root / "created.ini"), "");
    EXPECT_EQ(listFolder(root.path()), "DM-Deck.ini created.ini");
    EXPECT_EQ(readWholeFile(path), "new\r\n");
}

// Runs on both systems: the POSIX layer must list as the Windows search does. (Windows alone
// also matches "*.vsm" against "x.vsmx" through its 8.3 short names; that is left out here.)
TEST(DirectorySearch, MasksAndOrderAsWindowsListsThem)
{
    TempFolder root;
    for (const char* name : {"CTF-Face.vsm", "ctf-small.VSM", "VCTF-Face.vsm", "[x].vsm", "noext", "name.txt",
                             "a_b.vsm", "AB.vsm", "Zed.vsm"})
        root.write(std::string("maps/") + name);
    root.makeFolder("maps/Folder.vsm");
    const auto names = [&](const std::string& mask) {
        std::vector<std::string> found;
        for (const auto& entry : searchDirectory(root / "maps/", mask).value_or(DirectoryEntries{}))
            found.push_back(std::string(entry.name) + (entry.isFolder ? "/" : ""));
        return found;
    };
    using Names = std::vector<std::string>;
    EXPECT_EQ(names("*.vsm"), (Names{"AB.vsm", "a_b.vsm", "CTF-Face.vsm", "ctf-small.VSM", "Folder.vsm/",
                                     "VCTF-Face.vsm", "Zed.vsm", "[x].vsm"}));
    EXPECT_EQ(names("CTF*.vsm"), (Names{"CTF-Face.vsm", "ctf-small.VSM"}));
    EXPECT_EQ(names("?B.vsm"), (Names{"AB.vsm"}));
    EXPECT_EQ(names("[x].vsm"), (Names{"[x].vsm"}));
    EXPECT_EQ(names("noext.*"), (Names{"noext"}));
    EXPECT_EQ(names("*.*").size(), 12u); // the ten entries, "." and ".."
    EXPECT_EQ(names("*.ini"), Names{});
    EXPECT_FALSE(searchDirectory(root / "gone/", "*.*").has_value());
}

#ifdef _WIN32
TEST(HeldFiles, SavesAndMovesWaitForAProgramThatHoldsTheFileAndSayWhyWhenItDoesNotLetGo)
{
    TempFolder root;
    // Another program (a scanner, the game) opens the file shared with nobody.
    const auto hold = [](const std::string& path, int milliseconds) {
        std::filesystem::remove(path + ".held");
        auto holder = std::make_unique<ChildProcess>("file_mover", std::vector<std::string>{"hold", path, std::to_string(milliseconds)});
        for (int i = 0; i < 500 && !fileExists(path + ".held"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_TRUE(fileExists(path + ".held"));
        return holder;
    };
    const std::string config = root.write("program/config.ini", "old");
    {
        // Let go after a second: the save waits and goes through.
        auto holder = hold(config, 1000);
        saveFileAtomically(config, "new");
        EXPECT_EQ(readFile(config), "new");
        EXPECT_EQ(holder->wait(), 0);
    }
    {
        // Never let go: the save fails after a while, says why, and the old file is whole.
        auto holder = hold(config, 0);
        try {
            saveFileAtomically(config, "newer");
            ADD_FAILURE() << "saved over a held file";
        } catch (const FileCreateError& failure) {
            EXPECT_NE(std::string(failure.what()).find("Ein anderes Programm verwendet die Datei."), std::string::npos)
                << failure.what();
        }
        holder->kill();
        EXPECT_EQ(readFile(config), "new");
        EXPECT_EQ(listFolder(root / "program"), "config.ini config.ini.held");
    }
    {
        // A map being scanned: the move waits for it.
        const std::string map = root.write("new/DM-Held.vsm", "map");
        root.makeFolder("published");
        auto holder = hold(map, 1000);
        EXPECT_TRUE(moveFile(map, root / "published/DM-Held.vsm"));
        EXPECT_EQ(readFile(root / "published/DM-Held.vsm"), "map");
        holder->wait();
    }
}
#endif
