#include "catalogue/MapFileSet.h"

#include "catalogue/MapNames.h"
#include "platform/FileSystem.h"
#include "platform/PathSeparator.h"
#include "platform/TreeNotices.h"

namespace catalogue {

std::vector<std::string> MapFileSet::files() const
{
    std::vector<std::string> all {package};
    for (const auto* companion : {&ini, &localisation}) {
        if (*companion)
            all.push_back(**companion);
    }
    return all;
}

std::vector<platform::FileToPlace> MapFileSet::toPlace() const
{
    const std::string name = baseName(package);
    std::vector<platform::FileToPlace> all {{package, fileNameOf(package)}};
    if (ini)
        all.push_back({*ini, name + kIniSuffix});
    if (localisation)
        all.push_back({*localisation, name + kLocalisationSuffix});
    return all;
}

MapFileSet mapFileSetOf(const std::string& package, platform::TreeNotices* kept)
{
    const std::size_t nameStart = platform::lastComponentStart(package);
    const std::string folder = package.substr(0, nameStart), base = baseName(package);
    const std::vector<std::string> names {base + kIniSuffix, base + kLocalisationSuffix};
    const auto found = kept ? kept->find(folder, names) : platform::findAllIgnoringCase(folder, names);
    // A folder named like a companion is none.
    const auto existing = [&](const std::optional<std::string>& name) -> std::optional<std::string> {
        if (name && platform::fileExists(folder + *name))
            return folder + *name;
        return std::nullopt;
    };
    return {package, existing(found[0]), existing(found[1])};
}

std::string iniPathOf(const std::string& package)
{
    return platform::nameOnDisk(basePath(package) + kIniSuffix);
}

} // namespace catalogue
