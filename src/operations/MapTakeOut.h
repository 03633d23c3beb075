#pragma once

#include <string>
#include <vector>

/// Taking a published map out of the game: back into the new-maps folder, from where an install
/// puts it in again.
namespace operations {

/// The subfolder of the new-maps folder that takes a published map whose name a different map
/// in the new-maps folder holds already.
inline constexpr const char* kTakenOutFolder = "taken out";

/// Where a map taken out of the game went.
enum class TakenOut {
    Moved,      ///< into the new-maps folder
    MovedAside, ///< into its subfolder kTakenOutFolder, the name being taken by another map
    Recycled,   ///< to the recycle bin: the new-maps folder holds the same map byte for byte
    Failed,     ///< nowhere: the names are taken in both places, or a move failed
};

/// Moves the map at `package` with the companions beside it into `newMapsFolder`, as an install
/// moves them the other way: each file kill-safe, never replacing one. Where a file of the set
/// is named there already, the map goes into the subfolder kTakenOutFolder instead, and where
/// that one is taken too, it stays; so a map never ends split between two folders by a name.
/// Where the new-maps folder holds the same map byte for byte (installed by copying), at its top
/// or as one of `namesakes` (the maps of that file name further down), the published copy goes
/// to the recycle bin instead of a second copy appearing.
TakenOut takeOutMap(const std::string& package, const std::string& newMapsFolder,
                    const std::vector<std::string>& namesakes = {});

} // namespace operations
