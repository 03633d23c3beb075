#pragma once

#include <string>
#include <vector>

/// Where Steam keeps its games on Linux: its installs and the libraries they list.
namespace platform {

/// The values of every "path" key in the text of a Steam `libraryfolders.vdf` file, in file
/// order. The file is read strictly: quoted keys and values, braces, `//` comments; anything
/// else (an unclosed quote or brace, a stray character, a file over 1 MiB) makes it damaged,
/// and a damaged file gives nothing.
std::vector<std::string> libraryPathsInVdf(const std::string& text);

/// The library folders of the Steam installs below `home` (the native one, its `~/.steam/steam`
/// link and the Flatpak one): each install itself and the libraries its `libraryfolders.vdf`
/// lists, each folder once.
std::vector<std::string> steamLibraries(const std::string& home);

} // namespace platform
