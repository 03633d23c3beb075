#pragma once

#include <cstddef>

/// The interface texts of a language file, by line: line n of the active language is text n.
/// Line 0 is the marker "LanguageFile".
namespace localisation::lines {

inline constexpr std::size_t kAll = 1;            ///< the first game-type tab
inline constexpr std::size_t kOthers = 2;         ///< the details row of other files
inline constexpr std::size_t kInstall = 3;        ///< install the selected map
inline constexpr std::size_t kInstallAll = 4;     ///< install all new maps
inline constexpr std::size_t kMap = 5;            ///< the count word for one map
inline constexpr std::size_t kMaps = 6;           ///< the count word for any other number
inline constexpr std::size_t kStatus = 7;         ///< the status heading
inline constexpr std::size_t kTotalSize = 8;      ///< the total size heading
inline constexpr std::size_t kRefresh = 9;        ///< rebuild the lists
inline constexpr std::size_t kDelete = 10;        ///< delete (a map, a game type)
inline constexpr std::size_t kSave = 11;          ///< save the INI file
inline constexpr std::size_t kReset = 12;         ///< reload the INI file
inline constexpr std::size_t kCopy = 13;          ///< copy (the copy option, the unpublished map)
inline constexpr std::size_t kDeleteQuestion = 14; ///< the question before a delete
inline constexpr std::size_t kDone = 15;          ///< close a dialog, confirming
inline constexpr std::size_t kAdd = 16;           ///< add a game type
inline constexpr std::size_t kNewMaps = 17;       ///< "new maps", the new-maps folder
inline constexpr std::size_t kAreLocatedIn = 18;  ///< "are located in", after kNewMaps
inline constexpr std::size_t kCancel = 19;        ///< close a dialog, cancelling
inline constexpr std::size_t kWelcome = 20;       ///< the notice of the first start

// Adding maps from drops and pastes.
inline constexpr std::size_t kFolderMissing = 21; ///< the new-maps folder does not exist
inline constexpr std::size_t kUnpacking = 22;     ///< the progress of an unpacking
inline constexpr std::size_t kAdded = 23;         ///< "added", after the count of maps
inline constexpr std::size_t kSkipped = 24;       ///< the heading of what was skipped
inline constexpr std::size_t kFirstSkipReason = 25; ///< one line per reason, in the order of SkipReason

/// Typed text that the INI file's character set cannot hold.
inline constexpr std::size_t kIniCharset = 38;

// Adding maps, lines that came later.
inline constexpr std::size_t kTooLittleRoom = 39; ///< the reason of SkipReason::TooLittleRoom and those after it
inline constexpr std::size_t kMoreLines = 40;     ///< "… and %1 more", after the first lines of the report

} // namespace localisation::lines
