// Language files: any file content in the program folder is offered exactly when its first
// line (after the UTF-8 mark, where it starts with one) is the marker, and reads back as the
// lines the reader gives, as UTF-8 text.

#include "localisation/LanguageFiles.h"
#include "platform/TextCodec.h"
#include "platform/TextFile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

const std::string& programFolder()
{
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / ("vsm-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        platform::saveFileAtomically((path / "config.ini").string(), "Language:\r\nFuzz\r\n");
        return path.string();
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    platform::saveFileAtomically(programFolder() + "/Fuzz.ini", bytes);
    LineList scratch;
    const auto names = localisation::discoverLanguages(programFolder(), scratch);
    const bool marked = bytes.starts_with(settings::kUtf8Mark);
    LineList lines = settings::parseLines(std::string_view(bytes).substr(marked ? settings::kUtf8Mark.size() : 0));
    const bool isLanguage = !lines.empty() && lines[0] == localisation::kLanguageMarker;
    if (names != (isLanguage ? std::vector<std::string>{"Fuzz"} : std::vector<std::string>{}))
        std::abort();
    if (!marked) {
        for (std::string& line : lines)
            line = platform::displayFromText(line);
    }
    if (localisation::loadLanguageFile(programFolder(), "fuzz") != lines)
        std::abort();
    return 0;
}
