#pragma once

#include "platform/LeftoverSweep.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

/// The names in one folder, for many case-blind look-ups in a row (installing all maps): the
/// folder is read once, then kept current by the system's change notices while the object
/// lives, so that a look-up reads nothing. Where the system gives no notices (or they were
/// lost), a look-up reads the folder as findAllIgnoringCase does.
class FolderNames {
public:
    /// `folder` ends in the separator; nothing is read yet.
    explicit FolderNames(std::string folder);
    ~FolderNames();
    FolderNames(const FolderNames&) = delete;
    FolderNames& operator=(const FolderNames&) = delete;

    const std::string& folder() const { return m_folder; }
    /// The folder's sweep of leftover temporary files: once for all the files placed there.
    LeftoverSweep& sweep() { return m_sweep; }
    /// What findAllIgnoringCase(folder(), names) answers now.
    std::vector<std::optional<std::string>> find(const std::vector<std::string>& names);

private:
    struct Notices;
    std::string m_folder;
    LeftoverSweep m_sweep {m_folder};
    std::unique_ptr<Notices> m_notices;
};

} // namespace platform
