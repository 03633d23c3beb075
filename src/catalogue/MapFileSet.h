#pragma once

#include "platform/FileTransfer.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {
class TreeNotices;
}

/// The files of one map on disk: every place that installs, copies, deletes, shows or imports a
/// map takes them from here.
namespace catalogue {

/// A map package and the companion files beside it that exist, each as it is spelt on disk
/// (companion names compare without case).
struct MapFileSet {
    std::string package;
    std::optional<std::string> ini;          ///< base path + ".ini"
    std::optional<std::string> localisation; ///< base path + "_LOC_INT.vsp"

    /// The package, then the companions that exist.
    std::vector<std::string> files() const;
    /// The same files as they go into another folder: the companions named after the package
    /// (its base name followed by their suffixes), whatever their case here.
    std::vector<platform::FileToPlace> toPlace() const;
};

/// The file set of the package at `package`. Where `kept` watches the folder (many maps in a
/// row), the companions are looked up in the names it keeps instead of read from the disk.
MapFileSet mapFileSetOf(const std::string& package, platform::TreeNotices* kept = nullptr);

/// The path of the INI file of the package at `package`: as spelt on disk where it exists,
/// else base path + ".ini".
std::string iniPathOf(const std::string& package);

} // namespace catalogue
