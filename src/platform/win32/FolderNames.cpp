#include "platform/FolderNames.h"

#include "platform/FileSystem.h"

namespace platform {

// The file system's own index answers each look-up: there is nothing to keep.
struct FolderNames::Notices {};

FolderNames::FolderNames(std::string folder) : m_folder(std::move(folder)) {}

FolderNames::~FolderNames() = default;

std::vector<std::optional<std::string>> FolderNames::find(const std::vector<std::string>& names)
{
    return findAllIgnoringCase(m_folder, names);
}

} // namespace platform
