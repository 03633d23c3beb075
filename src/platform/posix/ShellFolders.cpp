#include "platform/ShellFolders.h"

#include "platform/TextFile.h"

#include <cstdlib>
#include <sstream>

namespace platform {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

/// The folder named by `key` in the XDG user-dirs file, with "$HOME" expanded;
/// "$HOME/<fallback>" when the file does not name it. Empty without a home folder.
std::string userDirectory(const std::string& key, const std::string& fallback)
{
    const std::string home = environment("HOME");
    if (home.empty())
        return {};
    std::string configHome = environment("XDG_CONFIG_HOME");
    if (configHome.empty())
        configHome = home + "/.config";
    std::string content;
    try {
        content = readWholeFile(configHome + "/user-dirs.dirs");
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

} // namespace

std::string documentsFolder()
{
    return userDirectory("XDG_DOCUMENTS_DIR", "Documents");
}

std::string desktopFolder()
{
    return userDirectory("XDG_DESKTOP_DIR", "Desktop");
}

} // namespace platform
