#include "platform/TreeNotices.h"

#include "platform/FileSystem.h"

namespace platform {

// Windows tells the changes of a tree (ReadDirectoryChangesW) only some time after they were
// made, by another program's move as by our own: a list kept from them would lag behind a
// reading. Whoever keeps a list here reads it again when it is shown.
struct TreeNotices::Watch {};

TreeNotices::TreeNotices(std::string folder) : m_folder(std::move(folder)) {}

TreeNotices::~TreeNotices() = default;

TreeNotices::Outcome TreeNotices::take(std::vector<Change>& changes)
{
    changes.clear();
    return Outcome::NotGiven;
}

std::vector<std::optional<std::string>> TreeNotices::find(const std::string& folder, const std::vector<std::string>& names)
{
    // The file system's own index answers each look-up: there is nothing to keep.
    return findAllIgnoringCase(folder, names);
}

} // namespace platform
