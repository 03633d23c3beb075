#include "platform/ShellFolders.h"

#include "platform/DirectorySearch.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/posix/SteamLibraries.h"

#include <cstdlib>
#include <optional>
#include <sstream>
#include <vector>

#include <sys/stat.h>

namespace platform {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

/// The XDG configuration folder; empty without a home folder.
std::string configHome()
{
    std::string folder = environment("XDG_CONFIG_HOME");
    if (folder.empty() && !environment("HOME").empty())
        folder = environment("HOME") + "/.config";
    return folder;
}

/// The folder named by `key` in the XDG user-dirs file, with "$HOME" expanded;
/// "$HOME/<fallback>" when the file does not name it. Empty without a home folder.
std::string userDirectory(const std::string& key, const std::string& fallback)
{
    const std::string home = environment("HOME");
    if (home.empty())
        return {};
    std::string content;
    try {
        content = readWholeFile(configHome() + "/user-dirs.dirs");
    } catch (const std::exception&) {
        return home + "/" + fallback;
    }
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        // Lines read: XDG_DOCUMENTS_DIR="$HOME/Documents"
        if (line.rfind(key + "=\"", 0) != 0 || line.back() != '"')
            continue;
        std::string value = line.substr(key.size() + 2, line.size() - key.size() - 3);
        if (value.rfind("$HOME", 0) == 0)
            value = home + value.substr(5);
        while (value.size() > 1 && value.back() == '/')
            value.pop_back();
        if (!value.empty() && value.front() == '/')
            return value;
    }
    return home + "/" + fallback;
}

/// The folders directly in `folder`, links followed, without "." and "..".
std::vector<std::string> subfoldersOf(const std::string& folder)
{
    std::vector<std::string> found;
    if (const auto entries = searchDirectory(folder + "/", "*")) {
        for (const DirectoryEntry& entry : *entries) {
            if (entry.isFolder && entry.name != "." && entry.name != "..")
                found.push_back(folder + "/" + std::string(entry.name));
        }
    }
    return found;
}

/// When the game's own folder ("My Games/Vesmar Arena", whatever the case) is in `documents`:
/// the time it was last changed.
std::optional<struct timespec> gameChangedIn(const std::string& documents)
{
    auto myGames = findIgnoringCase(documents + "/My Games");
    auto game = myGames ? findIgnoringCase(*myGames + "/Vesmar Arena") : std::nullopt;
    struct stat info {};
    if (!game || stat(game->c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return info.st_mtim;
}

/// The Windows documents folders of the Wine prefixes where the game may run: each Proton prefix
/// of each Steam library, then $WINEPREFIX and ~/.wine. Every folder of a prefix's user folders
/// counts, so Wine's localised names for the documents folder are found as well.
std::vector<std::string> prefixDocumentsFolders(const std::string& home)
{
    std::vector<std::string> userFolders;
    for (const std::string& library : steamLibraries(home)) {
        for (const std::string& prefix : subfoldersOf(library + "/steamapps/compatdata"))
            userFolders.push_back(prefix + "/pfx/drive_c/users/steamuser");
    }
    for (const std::string& prefix : {environment("WINEPREFIX"), home + "/.wine"}) {
        if (!prefix.empty()) {
            for (const std::string& user : subfoldersOf(prefix + "/drive_c/users"))
                userFolders.push_back(user);
        }
    }
    std::vector<std::string> documents;
    for (const std::string& user : userFolders) {
        for (const std::string& folder : subfoldersOf(user))
            documents.push_back(folder);
    }
    return documents;
}

bool earlier(const struct timespec& a, const struct timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

} // namespace

std::string documentsFolder()
{
    // The game is a Windows game: under Proton or Wine its folders lie in a prefix.
    const std::string xdg = userDirectory("XDG_DOCUMENTS_DIR", "Documents");
    if (xdg.empty() || gameChangedIn(xdg))
        return xdg;
    std::optional<std::string> latest;
    struct timespec latestChange {};
    for (const std::string& documents : prefixDocumentsFolders(environment("HOME"))) {
        const auto changed = gameChangedIn(documents);
        if (changed && (!latest || earlier(latestChange, *changed))) {
            latest = documents;
            latestChange = *changed;
        }
    }
    return latest.value_or(xdg);
}

std::string desktopFolder()
{
    return userDirectory("XDG_DESKTOP_DIR", "Desktop");
}

std::string userSettingsFolder()
{
    const std::string folder = configHome();
    return folder.empty() ? std::string() : folder + "/vsm-map-manager";
}

} // namespace platform
