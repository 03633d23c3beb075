#include "catalogue/MapFileSet.h"

#include "catalogue/MapNames.h"
#include "platform/FileSystem.h"

namespace catalogue {

namespace {

/// The existing file named like `path` whatever its case, or nothing.
std::optional<std::string> existingFile(const std::string& path)
{
    const auto found = platform::findIgnoringCase(path);
    return found && platform::fileExists(*found) ? found : std::nullopt;
}

} // namespace

std::vector<std::string> MapFileSet::files() const
{
    std::vector<std::string> all {package};
    for (const auto* companion : {&ini, &localisation}) {
        if (*companion)
            all.push_back(**companion);
    }
    return all;
}

MapFileSet mapFileSetOf(const std::string& package)
{
    const std::string base = basePath(package);
    return {package, existingFile(base + kIniSuffix), existingFile(base + kLocalisationSuffix)};
}

std::string iniPathOf(const std::string& package)
{
    return platform::nameOnDisk(basePath(package) + kIniSuffix);
}

} // namespace catalogue
