#include "settings/Settings.h"

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/FolderTree.h"
#include "platform/PathSeparator.h"
#include "platform/TempFile.h"
#include "platform/TextFile.h"
#include "platform/TextCodec.h"

#include <optional>

namespace settings {

LineList defaultConfig()
{
    return {"Language:", "", "Mode:", "default", "NewMapsFolderDirectory:", "",
            "copyNewMaps:", "true", "GameTypes:", "DM", "CTF", "VCTF", "WAR"};
}

void completeFromDefaults(LineList& config, const LineList& defaults)
{
    if (config.size() >= kFirstGameTypeLine)
        return;
    config.insert(config.end(), defaults.begin() + static_cast<std::ptrdiff_t>(config.size()),
                  defaults.end());
}

void setLine(LineList& config, std::size_t index, const std::string& text)
{
    if (index >= config.size())
        throw platform::ListIndexError(static_cast<long long>(index));
    config[index] = text;
}

void replaceGameTypes(LineList& config, const std::vector<std::string>& gameTypes)
{
    if (config.size() > kFirstGameTypeLine)
        config.resize(kFirstGameTypeLine);
    config.insert(config.end(), gameTypes.begin(), gameTypes.end());
}

LineList loadSettings(const std::string& path)
{
    MarkedLines file = loadMarkedLines(path);
    LineList& config = file.lines;
    if (!file.utf8) {
        for (std::string& line : config)
            line = platform::namesFromSettingsLine(line);
    }
    if (config.size() > kNewMapsFolderLine)
        config[kNewMapsFolderLine] = platform::longPathOf(config[kNewMapsFolderLine]);
    return std::move(config);
}

namespace {

/// The lines in the system's code page; nothing when one of them has no place there.
std::optional<LineList> codePageLines(const LineList& config)
{
    LineList lines;
    for (std::size_t i = 0; i < config.size(); ++i) {
        auto line = platform::settingsLineFromNames(config[i]);
        if (!line && i == kNewMapsFolderLine)
            line = platform::settingsLineFromNames(platform::shortPathOf(config[i]));
        if (!line)
            return std::nullopt;
        lines.push_back(std::move(*line));
    }
    return lines;
}

} // namespace

void saveSettings(const std::string& path, const LineList& config)
{
    // Names inside the program are UTF-8 wherever the code page falls short.
    std::optional<LineList> lines = codePageLines(config);
    saveMarkedLines(path, lines ? MarkedLines{std::move(*lines), false} : MarkedLines{config, true});
}

std::string configPath(const std::string& folder)
{
    return platform::nameOnDisk(platform::joinPath(folder, "config.ini"));
}

namespace {

/// True when the settings can be saved in `folder` as a save writes them: through a new file
/// there that replaces a config.ini not marked read-only.
bool canSaveIn(const std::string& folder)
{
    const std::string path = configPath(folder);
    platform::TempFile probe = platform::TempFile::createBeside(path);
    return probe.valid() && !platform::isReadOnlyFile(path);
}

/// Makes `folder` and the folders above it that are missing.
void makeFolders(const std::string& folder)
{
    for (std::size_t at = 1; at <= folder.size(); ++at) {
        if (at == folder.size() || platform::endsComponent(folder[at]))
            platform::makeFolder(folder.substr(0, at));
    }
}

} // namespace

std::string settingsFolder(const std::string& programFolder, const std::string& userFolder)
{
    if (userFolder.empty() || canSaveIn(programFolder))
        return programFolder;
    makeFolders(userFolder);
    const std::string beside = configPath(programFolder);
    // The user's copy is the user's own file, writable whatever the marks of the one beside the program.
    if (platform::fileExists(beside) && !platform::fileExists(configPath(userFolder))) {
        try {
            platform::saveFileAtomically(configPath(userFolder), platform::readWholeFile(beside));
        } catch (const std::exception&) {
            // Unreadable: the defaults are taken, as without a file.
        }
    }
    return userFolder;
}

} // namespace settings
