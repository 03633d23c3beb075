#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/FileTransfer.h"
#include "platform/TextFile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

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
#endif

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
}

TEST(DeleteFile, RemovesOneFileQuietly)
{
    TempFolder root;
    const std::string path = root.write("DM-Deck.vsm");
    EXPECT_TRUE(deleteFile(path));
    EXPECT_FALSE(deleteFile(path));
    root.makeFolder("folder");
    EXPECT_FALSE(deleteFile(root / "folder"));
    EXPECT_TRUE(folderExists(root / "folder"));
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
        for (const auto& entry : searchDirectory(root / "maps/", mask).value_or(std::vector<DirectoryEntry>{}))
            found.push_back(entry.name + (entry.isFolder ? "/" : ""));
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
