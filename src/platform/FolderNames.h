#pragma once

// The names in a folder, compared without regard to case: read from the disk, or known from
// the change notices that keep a tree's names.

#include <optional>
#include <string>
#include <vector>

namespace platform {

class FolderNames {
public:
    virtual ~FolderNames() = default;

    /// For each of `names`, the name under which a file so named, whatever its case, is in
    /// `folder` (which ends in the separator), an exact match preferred; nothing for a name
    /// with none.
    virtual std::vector<std::optional<std::string>> find(const std::string& folder, const std::vector<std::string>& names) = 0;

    /// The path under which the file named like `path`, whatever the case of its last
    /// component, is there; nothing when there is none.
    std::optional<std::string> findPath(const std::string& path);
};

/// The names as the disk has them now, read at each look-up.
FolderNames& diskNames();

} // namespace platform
