#pragma once

#include "settings/LineList.h"

#include <string>
#include <vector>

/// The settings file config.ini: one value a line, addressed by line number.
namespace settings {

inline constexpr std::size_t kLanguageLine = 1;      ///< name of the active language
inline constexpr std::size_t kModeLine = 3;          ///< "mapper" or "default"
inline constexpr std::size_t kNewMapsFolderLine = 5; ///< path of the new-maps folder
inline constexpr std::size_t kCopyOptionLine = 7;    ///< "true" or "false"
inline constexpr std::size_t kFirstGameTypeLine = 9; ///< game types from here to the last line

/// The 13 default lines.
LineList defaultConfig();

/// Appends the default lines that a short settings list lacks, so that lines 0 to 8 exist.
void completeFromDefaults(LineList& config, const LineList& defaults);

/// Replaces line `index`; the number of lines does not change.
void setLine(LineList& config, std::size_t index, const std::string& text);

/// Replaces every line from line 9 on with the given game types, in order.
void replaceGameTypes(LineList& config, const std::vector<std::string>& gameTypes);

/// The lines of the settings file at `path`, names in the program's own form, whether the file
/// is in the system's code page or UTF-8 with the mark; throws FileOpenError when it cannot be read.
LineList loadSettings(const std::string& path);

/// Writes `config` to the settings file at `path` atomically, in the system's code page, a
/// new-maps folder whose path that code page cannot hold in its short form (the same folder in
/// plain letters). Where any other line needs more than the code page, the whole file is UTF-8
/// with the mark instead, so that no choice is lost; FileCreateError when the file cannot be written.
void saveSettings(const std::string& path, const LineList& config);

/// The path of the settings file in `folder`: the existing file of that name whatever its
/// case, else "config.ini".
std::string configPath(const std::string& folder);

/// Where the settings live: the program's folder where its config.ini can be written there (or,
/// where there is none yet, created); else `userFolder`, made where missing, which takes a copy
/// of a config.ini beside the program that it does not have yet. Empty user folder: the
/// program's folder all the same.
std::string settingsFolder(const std::string& programFolder, const std::string& userFolder);

} // namespace settings
