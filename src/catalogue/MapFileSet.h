#pragma once

#include "platform/FileTransfer.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

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

/// The names of the files of the set of the package `package` (a path or a name), in that form:
/// the package, its INI file and its localisation file, the companions named after the package.
std::array<std::string, 3> fileSetNamesOf(const std::string& package);

/// The file set of the package at `package`, its companions looked up in `names` (those a
/// watcher keeps where many maps go in a row, instead of the disk's).
MapFileSet mapFileSetOf(const std::string& package, platform::FolderNames& names = platform::diskNames());

/// The path of the INI file of the package at `package`: as spelt on disk where it exists,
/// else base path + ".ini".
std::string iniPathOf(const std::string& package);

} // namespace catalogue
