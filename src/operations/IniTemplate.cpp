#include "operations/IniTemplate.h"

#include "catalogue/MapNames.h"
#include "settings/LineList.h"

namespace operations {

LineList iniTemplate()
{
    return {
        "[MAPNAME VSUIDataProvider_MapInfo]",
        "MapName=",
        "FriendlyName=",
        "NumPlayers=2 to 8 players          ",
        "PreviewImageMarkup=<Images:UI_FrontEnd_Art.GameTypes.DeathMatch>",
        "Description=None",
    };
}

void fillIniTemplate(LineList& memo, const std::string& baseName)
{
    memo.resize(std::max<std::size_t>(memo.size(), 3));
    memo[0] = "[" + baseName + " VSUIDataProvider_MapInfo]";
    memo[1] = "MapName=" + baseName;
    memo[2] = "FriendlyName=" + catalogue::afterFirstHyphen(baseName);
}

} // namespace operations
