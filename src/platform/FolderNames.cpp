#include "platform/FolderNames.h"

#include "platform/FileSystem.h"
#include "platform/PathSeparator.h"

namespace platform {

namespace {

class DiskNames : public FolderNames {
public:
    std::vector<std::optional<std::string>> find(const std::string& folder, const std::vector<std::string>& names) override
    {
        return findAllIgnoringCase(folder, names);
    }
};

} // namespace

std::optional<std::string> FolderNames::findPath(const std::string& path)
{
    const std::size_t start = lastComponentStart(path);
    const auto found = find(path.substr(0, start), {path.substr(start)});
    return found[0] ? std::optional(path.substr(0, start) + *found[0]) : std::nullopt;
}

FolderNames& diskNames()
{
    // Without state: one for the whole program.
    static DiskNames names;
    return names;
}

} // namespace platform
