#include "settings/Settings.h"

#include "platform/Errors.h"
#include "platform/FileSystem.h"
#include "platform/PathSeparator.h"

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

std::string configPath(const std::string& programFolder)
{
    return platform::nameOnDisk(programFolder + platform::kPathSeparator + "config.ini");
}

} // namespace settings
