#pragma once

#include <string>
#include <string_view>

/// Names derived from a map package's path, and the game's map folders.
namespace catalogue {

/// The part of `path` after its last folder separator.
std::string fileNameOf(const std::string& path);

/// The extension of a map package, and the mask that finds every package.
inline constexpr const char* kPackageExtension = ".vsm";
inline const std::string kMapMask = std::string("*") + kPackageExtension;
/// How many characters a name loses when its extension is dropped: the package extension's.
inline constexpr std::size_t kExtensionLength = std::char_traits<char>::length(kPackageExtension);

/// The companions of a map package: base name + suffix, beside it; names compare without case.
inline constexpr const char* kIniSuffix = ".ini";
inline constexpr const char* kLocalisationSuffix = "_LOC_INT.vsp";

/// The name of a hidden folder in which an import puts an archive or folder together before it
/// takes its place starts with "." or "~" and this; no list shows what is in one, and one left
/// by a program ended midway is removed at the next import.
inline constexpr std::string_view kUnfinishedImportPrefix = "vsm-unpacking-";
bool isUnfinishedImport(std::string_view folderName);
/// True for a subfolder a search of maps enters, by its name: any but "." and ".." and a folder
/// that an import is still putting together (it holds no finished map).
bool isSearchedFolder(std::string_view folderName);

/// True for the name of a map's companion file, whatever its case.
bool isCompanionName(const std::string& name);

/// `text` less as many characters as the package extension has, its last four (empty when it is
/// shorter).
std::string dropExtension(const std::string& text);

/// The full path less its last four characters: "…/DM-Deck" for "…/DM-Deck.vsm".
inline std::string basePath(const std::string& path) { return dropExtension(path); }

/// The file name less its last four characters: "DM-Deck"; also a map's name in a list.
inline std::string baseName(const std::string& path) { return dropExtension(fileNameOf(path)); }

/// `name` after its first "-", or all of it when it has none: "Deck" for "DM-Deck".
std::string afterFirstHyphen(const std::string& name);

/// The last component of a folder path as the new-maps heading shows it: the text after
/// the last separator (on Windows also after a drive colon); empty for a closing separator.
std::string lastComponent(const std::string& path);

/// The game's folder of published custom maps below `documentsFolder`.
std::string publishedFolder(const std::string& documentsFolder);

/// The game's folder of unpublished custom maps below `documentsFolder`.
std::string unpublishedFolder(const std::string& documentsFolder);

} // namespace catalogue

/// A map's title: the file name after its first "-", less its last four characters.
std::string MapNameOf(const std::string& path);
