#include "localisation/LanguageFiles.h"

#include "catalogue/FileManagement.h"
#include "catalogue/MapNames.h"
#include "platform/FileSystem.h"
#include "platform/PathSeparator.h"
#include "platform/TextCodec.h"

namespace localisation {

std::vector<std::string> discoverLanguages(const std::string& programFolder, LineList& scratch)
{
    std::vector<std::string> names;
    for (const std::string_view found : findFiles(programFolder, "*.ini", false)) {
        const std::string path(found);
        try {
            scratch = settings::loadMarkedLines(path).lines;
        } catch (const std::exception&) {
            continue;
        }
        if (!scratch.empty() && scratch[0] == kLanguageMarker)
            names.push_back(catalogue::baseName(path));
    }
    return names;
}

LineList loadLanguageFile(const std::string& programFolder, const std::string& name)
{
    const std::string path = platform::joinPath(programFolder, name + ".ini");
    settings::MarkedLines file = settings::loadMarkedLines(platform::nameOnDisk(path));
    if (!file.utf8) {
        for (std::string& line : file.lines)
            line = platform::displayFromText(line);
    }
    return std::move(file.lines);
}

} // namespace localisation
