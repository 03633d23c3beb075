#include "platform/TreeNotices.h"

#include "platform/FileSystem.h"

namespace platform {

// Windows lists a folder in its file system's order (FAT keeps no sorted order), so a list
// cannot be kept from notices here: whoever keeps one reads it again when it matters.
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
