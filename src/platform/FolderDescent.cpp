#include "platform/FolderDescent.h"

#include "platform/PathSeparator.h"

#include <algorithm>

namespace platform {

bool entersEveryFolder(std::string_view name)
{
    return name != "." && name != "..";
}

bool entersFoldersOf(std::string_view relative, EntersFolder enters)
{
    for (std::size_t start = 0;;) {
        const std::size_t end = relative.find(kPathSeparator, start);
        if (end == std::string_view::npos)
            return true;
        if (!enters(relative.substr(start, end - start)))
            return false;
        start = end + 1;
    }
}

bool FolderDescent::enters(const std::string& path, bool isLink)
{
    if (!isLink)
        return true;
    const auto target = folderIdentity(path);
    return target && std::none_of(m_folders.begin(), m_folders.end(), [&](Folder& folder) {
        if (!folder.known) {
            folder.identity = folderIdentity(folder.path);
            folder.known = true;
        }
        return folder.identity == target;
    });
}

} // namespace platform
