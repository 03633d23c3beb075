// Where the game's folders are found on Linux: the XDG documents folder, or the Windows
// documents folder of a Proton or Wine prefix that holds the game. POSIX only.

#ifndef _WIN32

#include "catalogue/MapNames.h"
#include "platform/ShellFolders.h"
#include "platform/posix/SteamLibraries.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>

using platform::libraryPathsInVdf;

TEST(SteamLibraries, PathsOfAWellFormedFileAndNothingOfADamagedOne)
{
    const std::string good = "// written by Steam\n\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/p/.local/share/Steam\"\n"
                             "\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"1\"\n\t\t}\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"/mnt/games/Steam \\\"2\\\"\"\n\t}\n}\n";
    EXPECT_EQ(libraryPathsInVdf(good), (std::vector<std::string>{"/home/p/.local/share/Steam", "/mnt/games/Steam \"2\""}));
    for (const std::string& damaged : std::vector<std::string>{
             good.substr(0, good.size() - 2),                        // a block not closed
             "\"libraryfolders\" { \"0\" { \"path\" \"/mnt/a }}",    // a quote not closed
             "\"libraryfolders\" { \"0\" { \"path\" /mnt/a } }",     // a value without quotes
             "\"libraryfolders\" { \"path\" } }",                    // a key without value, a stray brace
             "}" + good,
             std::string(2 << 20, ' ') + good,                       // larger than any such file
         })
        EXPECT_EQ(libraryPathsInVdf(damaged), std::vector<std::string>()) << damaged.substr(0, 60);
    // A relative path is no library.
    EXPECT_EQ(libraryPathsInVdf("\"l\" { \"0\" { \"path\" \"games\" } }"), std::vector<std::string>());
}

namespace {

/// Makes `documents/My Games/Vesmar Arena` (in the case given) and dates its last change.
void putGame(const TempFolder& home, const std::string& documents, std::time_t changed,
             const std::string& gameFolder = "My Games/Vesmar Arena")
{
    const std::string game = home.makeFolder(documents + "/" + gameFolder);
    const struct timespec times[2] = {{changed, 0}, {changed, 0}};
    utimensat(AT_FDCWD, game.c_str(), times, 0);
}

void writeLibraries(const TempFolder& home, const std::string& steam, const std::string& vdf)
{
    home.write(steam + "/steamapps/libraryfolders.vdf", vdf);
}

} // namespace

TEST(ShellFolders, DocumentsFolderIsTheOneWhereTheGameIs)
{
    TempFolder home;
    setenv("HOME", home.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    unsetenv("WINEPREFIX");
    const std::string xdg = home.makeFolder("Documents");
    EXPECT_EQ(platform::documentsFolder(), xdg);

    // A Steam install whose file lists a library elsewhere; of its two prefixes one holds the game.
    const std::string library = home.makeFolder("disk2/SteamLibrary");
    writeLibraries(home, ".local/share/Steam", "\"libraryfolders\" { \"0\" { \"path\" \"" + home.path()
                       + "/.local/share/Steam\" } \"1\" { \"path\" \"" + library + "\" } }");
    home.makeFolder("disk2/SteamLibrary/steamapps/compatdata/100/pfx/drive_c/users/steamuser/Documents");
    const std::string proton = "disk2/SteamLibrary/steamapps/compatdata/200/pfx/drive_c/users/steamuser/Documents";
    putGame(home, proton, 1000);
    EXPECT_EQ(platform::documentsFolder(), home / proton);
    EXPECT_EQ(catalogue::publishedFolder(platform::documentsFolder()),
              home / proton + "/My Games/Vesmar Arena/VSGame/Published/CookedPC/CustomMaps");

    // Several prefixes hold the game: the one changed last (here the Flatpak Steam's).
    const std::string flatpak = ".var/app/com.valvesoftware.Steam/.local/share/Steam";
    putGame(home, flatpak + "/steamapps/compatdata/300/pfx/drive_c/users/steamuser/Documents", 3000);
    EXPECT_EQ(platform::documentsFolder(), home / flatpak + "/steamapps/compatdata/300/pfx/drive_c/users/steamuser/Documents");

    // A Wine prefix with Wine's German folder name, the game's folders in another case.
    const std::string wine = home.makeFolder("wine-game");
    setenv("WINEPREFIX", wine.c_str(), 1);
    putGame(home, "wine-game/drive_c/users/player/Dokumente", 4000, "my games/VESMAR arena");
    home.makeFolder("wine-game/drive_c/users/player/Dokumente/my games/VESMAR arena/VSGame/published/CookedPC/custommaps");
    EXPECT_EQ(platform::documentsFolder(), home / "wine-game/drive_c/users/player/Dokumente");
    EXPECT_EQ(catalogue::publishedFolder(platform::documentsFolder()),
              home / "wine-game/drive_c/users/player/Dokumente/my games/VESMAR arena/VSGame/published/CookedPC/custommaps");
    unsetenv("WINEPREFIX");

    // A damaged file lists no library: the other library's prefix, changed last, is not seen.
    putGame(home, proton, 5000);
    EXPECT_EQ(platform::documentsFolder(), home / proton);
    writeLibraries(home, flatpak, "\"libraryfolders\" { \"0\" { \"path\" ");
    writeLibraries(home, ".local/share/Steam", "\"libraryfolders\" { \"0\" { \"path\" \"" + library + "\" }");
    EXPECT_EQ(platform::documentsFolder(), home / flatpak + "/steamapps/compatdata/300/pfx/drive_c/users/steamuser/Documents");

    // ~/.wine, linked to the Linux documents folder as Wine does; once the game is there, that is it.
    ASSERT_EQ(symlink(xdg.c_str(), home.makeFolder(".wine/drive_c/users/player").append("/Documents").c_str()), 0);
    putGame(home, "Documents", 500);
    EXPECT_EQ(platform::documentsFolder(), xdg);
}

#endif
