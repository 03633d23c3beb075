#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "settings/Settings.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace settings;

TEST(Settings, DefaultLinesAreTheThirteenOfTheFormat)
{
    EXPECT_EQ(defaultConfig(), (LineList{"Language:", "", "Mode:", "default", "NewMapsFolderDirectory:", "",
                                          "copyNewMaps:", "true", "GameTypes:", "DM", "CTF", "VCTF", "WAR"}));
}

TEST(Settings, ShortFilesAreCompletedFromTheDefaultsAndLongerOnesKept)
{
    LineList empty;
    completeFromDefaults(empty, defaultConfig());
    EXPECT_EQ(empty, defaultConfig());

    LineList shortList{"L:", "English", "M:", "mapper"};
    completeFromDefaults(shortList, defaultConfig());
    ASSERT_EQ(shortList.size(), 13u);
    EXPECT_EQ(shortList[1], "English");
    EXPECT_EQ(shortList[3], "mapper");
    EXPECT_EQ(shortList[4], "NewMapsFolderDirectory:");
    EXPECT_EQ(shortList[12], "WAR");

    LineList nine{"a", "b", "c", "d", "e", "f", "g", "h", "i"};
    completeFromDefaults(nine, defaultConfig());
    EXPECT_EQ(nine.size(), 9u);
}

TEST(Settings, LineOperationsChangeOnlyWhatTheySay)
{
    LineList config = defaultConfig();
    setLine(config, kModeLine, "mapper");
    EXPECT_EQ(config[3], "mapper");
    EXPECT_EQ(config.size(), 13u);
    EXPECT_THROW(setLine(config, 13, "x"), platform::ListIndexError);

    replaceGameTypes(config, {"DM", "CTF", "VCTF", "WAR", "BR"});
    EXPECT_EQ(config.size(), 14u);
    EXPECT_EQ(config[13], "BR");
    LineList labels = defaultConfig();
    labels[3] = "mapper";
    labels.resize(9);
    EXPECT_EQ(LineList(config.begin(), config.begin() + 9), labels);
    EXPECT_EQ(LineList(config.begin() + 9, config.end()), (LineList{"DM", "CTF", "VCTF", "WAR", "BR"}));

    replaceGameTypes(config, {});
    EXPECT_EQ(config.size(), 9u);
    EXPECT_EQ(config[3], "mapper");
    replaceGameTypes(config, {"", "x"});
    EXPECT_EQ(config, (LineList{"Language:", "", "Mode:", "mapper", "NewMapsFolderDirectory:", "", "copyNewMaps:",
                                "true", "GameTypes:", "", "x"}));
}

TEST(Settings, SaveWritesExactBytesAndFindsTheFileWhateverItsCase)
{
    TempFolder program;
    EXPECT_EQ(configPath(program.path()), program / "config.ini");
    LineList config = defaultConfig();
    config[1] = "Deutsch";
    config[5] = "C:\\Maps\\";
    saveLineList(configPath(program.path()), config);
    EXPECT_EQ(readFile(program / "config.ini"),
              "Language:\r\nDeutsch\r\nMode:\r\ndefault\r\nNewMapsFolderDirectory:\r\nC:\\Maps\\\r\ncopyNewMaps:\r\n"
              "true\r\nGameTypes:\r\nDM\r\nCTF\r\nVCTF\r\nWAR\r\n");

    TempFolder other;
    other.write("CONFIG.INI", "x\n");
    EXPECT_EQ(configPath(other.path()), other / "CONFIG.INI");
}

TEST(Settings, FailedSaveKeepsTheOldFileWholeAndLeavesNoTemporaryFile)
{
    TempFolder program;
    const std::string path = program.write("config.ini", "old\r\n");

    // The folder is gone.
    EXPECT_THROW(saveLineList(program / "gone/config.ini", {"new"}), platform::FileCreateError);
    // The target is a folder.
    program.makeFolder("folder.ini");
    try {
        saveLineList(program / "folder.ini", {"new"});
        FAIL() << "no error";
    } catch (const platform::FileCreateError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Datei \"" + (program / "folder.ini") + "\" kann nicht erstellt werden. ", 0), 0u);
    }
    // A read-only file is refused, as on Windows, even for a user whom permissions do not stop.
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    EXPECT_THROW(saveLineList(path, {"new"}), platform::FileCreateError);
    EXPECT_EQ(readFile(path), "old\r\n");
    EXPECT_EQ(listFolder(program.path()), "config.ini folder.ini");
}

TEST(Settings, LiveBesideTheProgramWhereItsFolderCanBeWrittenElseInTheUsersFolder)
{
    TempFolder root;
    const std::string program = root.makeFolder("program");
    const std::string user = root / "home/.config/vsm-map-manager";
    // A folder that can be written keeps them, with or without a config.ini; the user's folder
    // is not made.
    EXPECT_EQ(settingsFolder(program, user), program);
    root.write("program/config.ini", "Language:\r\nDeutsch\r\n");
    EXPECT_EQ(settingsFolder(program, user), program);
    EXPECT_FALSE(std::filesystem::exists(user));
    EXPECT_EQ(settingsFolder(program, ""), program);

    // A config.ini marked read-only: the user's folder, made with the folders above it, takes a
    // copy of the settings once and keeps its own after.
    std::filesystem::permissions(program + native("/config.ini"), std::filesystem::perms::owner_read);
    EXPECT_EQ(settingsFolder(program, user), user);
    EXPECT_EQ(readFile(user + native("/config.ini")), "Language:\r\nDeutsch\r\n");
    EXPECT_FALSE(platform::isReadOnlyFile(user + native("/config.ini"))); // the user's own, saved to
    writeFile(user + native("/config.ini"), "Language:\r\nEnglish\r\n");
    EXPECT_EQ(settingsFolder(program, user), user);
    EXPECT_EQ(readFile(user + native("/config.ini")), "Language:\r\nEnglish\r\n");
    std::filesystem::permissions(program + native("/config.ini"), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);

    // A program folder that cannot be written at all: a read-only mount (on Windows one that the
    // test script mounts for the prefix where it can).
    const std::string otherUser = root / "other user";
    const ReadOnlyProgramFolder folder(root);
    if (folder.path().empty())
        GTEST_SKIP() << "no read-only folder can be had here";
    const std::string& readOnly = folder.path();
    EXPECT_EQ(settingsFolder(readOnly, otherUser), otherUser);
    EXPECT_EQ(readFile(otherUser + native("/config.ini")), "Language:\r\nDeutsch\r\n");
}

TEST(Settings, NamesAreTextOfTheSystemsCodePageInTheFile)
{
    TempFolder root;
    const std::string path = root / "config.ini";
    const std::string japanese = root.makeFolder("Maps \u65e5\u672c");
    LineList config = defaultConfig();
    config[1] = "Fran\u00e7ais";
    config[5] = japanese;
    config[9] = "D\u00fc" "el";
    saveSettings(path, config);
    const std::string bytes = readFile(path);
#ifdef _WIN32
    // Windows-1252 holds "ç" and "ü"; the folder that it cannot hold is written in its short
    // form, which names the same folder and reads back as the long one.
    EXPECT_NE(bytes.find("\r\nFran\xe7" "ais\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nD\xfc" "el\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("\xe6\x97\xa5"), std::string::npos);
    EXPECT_TRUE(platform::folderExists(settings::parseLines(bytes)[5]));
    EXPECT_EQ(loadSettings(path), config);
    // Any other text it cannot hold makes the whole file UTF-8 with the mark, the folder in full;
    // once no line needs it, the file is in the code page again.
    LineList russian = config;
    russian[1] = "\u0420\u0443\u0441\u0441\u043a\u0438\u0439";
    saveSettings(path, russian);
    EXPECT_EQ(readFile(path), std::string(kUtf8Mark) + joinLines(russian));
    EXPECT_EQ(loadSettings(path), russian);
    saveSettings(path, config);
    EXPECT_EQ(readFile(path), bytes);
#else
    // Names keep their bytes.
    EXPECT_EQ(bytes, joinLines(config));
    EXPECT_EQ(loadSettings(path), config);
#endif
    // A file with the mark (written on Windows, carried over) reads as UTF-8 on every system.
    root.write("marked.ini", std::string(kUtf8Mark) + "Language:\r\n\u7b80\u4f53\u4e2d\u6587\r\n");
    EXPECT_EQ(loadSettings(root / "marked.ini"), (LineList{"Language:", "\u7b80\u4f53\u4e2d\u6587"}));
}
