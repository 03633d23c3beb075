// Settings: any file content, loaded and completed, keeps its own lines and gains lines 0 to 8;
// the operations on it keep the line table intact.

#include "settings/Settings.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LineList loaded = settings::parseLines(text);
    LineList config = loaded;
    settings::completeFromDefaults(config, settings::defaultConfig());
    if (config.size() < settings::kFirstGameTypeLine)
        std::abort();
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        if (config[i] != loaded[i])
            std::abort();
    }
    settings::setLine(config, settings::kModeLine, "mapper");
    settings::setLine(config, settings::kCopyOptionLine, "false");
    const LineList before(config.begin(), config.begin() + settings::kFirstGameTypeLine);
    settings::replaceGameTypes(config, {"DM", "", "CTF"});
    if (config.size() != settings::kFirstGameTypeLine + 3
        || LineList(config.begin(), config.begin() + settings::kFirstGameTypeLine) != before)
        std::abort();
    if (settings::parseLines(settings::joinLines(config)) != config)
        std::abort();
    return 0;
}
