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
    const auto names = fileSetNamesOf(fileNameOf(package));
    std::vector<platform::FileToPlace> all {{package, names[0]}};
    if (ini)
        all.push_back({*ini, names[1]});
    if (localisation)
        all.push_back({*localisation, names[2]});
    return all;
}

std::array<std::string, 3> fileSetNamesOf(const std::string& package)
{
    const std::string base = dropExtension(package);
    return {package, base + kIniSuffix, base + kLocalisationSuffix};
}

MapFileSet mapFileSetOf(const std::string& package, platform::FolderNames& names)
{
    const std::size_t nameStart = platform::lastComponentStart(package);
    const std::string folder = package.substr(0, nameStart);
    const auto set = fileSetNamesOf(package.substr(nameStart));
    const std::vector<std::string> companions {set[1], set[2]};
    const auto found = names.find(folder, companions);
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
    return platform::nameOnDisk(fileSetNamesOf(package)[1]);
}

} // namespace catalogue
