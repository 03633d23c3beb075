#include "BenchForms.h"

#include "settings/Settings.h"

#include <cstdio>
#include <filesystem>

void QuietEnvironment::showError(const QString& message)
{
    std::fprintf(stderr, "error: %s\n", qPrintable(message));
}

BenchProgramWorld::BenchProgramWorld(const std::string& copyOption)
    : program(root.path() + "/program")
    , documents(root.path() + "/documents")
    , newMaps(root.path() + "/new")
    , published(documents + "/My Games/Vesmar Arena/VSGame/Published/CookedPC/CustomMaps")
    , unpublished(documents + "/My Games/Vesmar Arena/VSGame/Unpublished/CookedPC/CustomMaps")
{
    for (const auto& folder : {program, newMaps, published, unpublished})
        std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::string(VSM_LANGUAGE_DIR) + "/English.ini", program + "/English.ini");
    LineList config = settings::defaultConfig();
    config[1] = "English";
    config[5] = newMaps;
    config[7] = copyOption;
    settings::saveLineList(program + "/config.ini", config);
}
