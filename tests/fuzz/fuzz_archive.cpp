// Archives: whatever bytes are dropped as an archive, nothing is written outside the new-maps
// folder, no link is made, and no unfinished folder stays behind.

#include "catalogue/MapNames.h"
#include "operations/MapImport.h"
#include "platform/FolderTree.h"
#include "platform/TextFile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Unlimited : public operations::UnpackProgress {
public:
    bool unpacking(const std::string&, std::uint64_t, std::uint64_t) override { return true; }
};

const fs::path& world()
{
    static const fs::path folder = fs::temp_directory_path() / ("vsm-fuzz-archive-" + std::to_string(getpid()));
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fs::remove_all(world());
    fs::create_directories(world() / "new");
    const std::string archive = (world() / "Dropped.zip").string();
    platform::saveFileAtomically(archive, std::string(reinterpret_cast<const char*>(data), size));
    Unlimited progress;
    operations::importMaps({archive}, (world() / "new").string(), progress);
    // Only the archive and the new-maps folder: nothing escaped.
    std::size_t top = 0;
    for (const auto& entry : fs::directory_iterator(world())) {
        (void)entry;
        ++top;
    }
    if (top != 2)
        std::abort();
    for (const auto& entry : fs::recursive_directory_iterator(world() / "new")) {
        const std::string name = entry.path().filename().string();
        if (entry.is_symlink() || (entry.is_directory() && catalogue::isUnfinishedImport(name)))
            std::abort();
        if (!entry.is_directory() && !entry.is_regular_file())
            std::abort();
    }
    return 0;
}
