#include "ProgramFolders.h"

#include "settings/LineList.h"
#include "settings/Settings.h"

#include <filesystem>

ProgramFolders makeProgramFolders(const std::string& root, const std::string& languageFile,
                                  const std::string& copyNewMaps)
{
    const std::string documents = root + "/documents";
    const ProgramFolders folders {root + "/program", documents, root + "/new",
                                  documents + "/My Games/Vesmar Arena/VSGame/Published/CookedPC/CustomMaps",
                                  documents + "/My Games/Vesmar Arena/VSGame/Unpublished/CookedPC/CustomMaps"};
    for (const auto& folder : {folders.program, folders.newMaps, folders.published, folders.unpublished})
        std::filesystem::create_directories(folder);
    // (MinGW's library fails to overwrite in copy_file: the old copy goes first.)
    std::filesystem::remove(folders.program + "/English.ini");
    std::filesystem::copy_file(languageFile, folders.program + "/English.ini");
    LineList config = settings::defaultConfig();
    config[1] = "English";
    config[5] = folders.newMaps;
    config[7] = copyNewMaps;
    settings::saveLineList(folders.program + "/config.ini", config);
    return folders;
}
