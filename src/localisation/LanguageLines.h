#pragma once

#include <cstddef>
#include <string_view>

/// The interface texts of a language file, by line: line n of the active language is text n.
/// Line 0 is the marker "LanguageFile". Each line's number follows from the one before it.
namespace localisation::lines {

inline constexpr std::size_t kAll = 1;                         ///< the first game-type tab
inline constexpr std::size_t kOthers = kAll + 1;               ///< the details row of other files
inline constexpr std::size_t kInstall = kOthers + 1;           ///< install the selected map
inline constexpr std::size_t kInstallAll = kInstall + 1;       ///< install all new maps
inline constexpr std::size_t kMap = kInstallAll + 1;           ///< the count word for one map
inline constexpr std::size_t kMaps = kMap + 1;                 ///< the count word for any other number
inline constexpr std::size_t kStatus = kMaps + 1;              ///< the status heading
inline constexpr std::size_t kTotalSize = kStatus + 1;         ///< the total size heading
inline constexpr std::size_t kRefresh = kTotalSize + 1;        ///< rebuild the lists
inline constexpr std::size_t kDelete = kRefresh + 1;           ///< delete (a map, a game type)
inline constexpr std::size_t kSave = kDelete + 1;              ///< save the INI file
inline constexpr std::size_t kReset = kSave + 1;               ///< reload the INI file
inline constexpr std::size_t kCopy = kReset + 1;               ///< copy (the copy option, the unpublished map)
inline constexpr std::size_t kDeleteQuestion = kCopy + 1;      ///< the question before a delete
inline constexpr std::size_t kDone = kDeleteQuestion + 1;      ///< close a dialog, confirming
inline constexpr std::size_t kAdd = kDone + 1;                 ///< add a game type
inline constexpr std::size_t kNewMaps = kAdd + 1;              ///< "new maps", the new-maps folder
inline constexpr std::size_t kAreLocatedIn = kNewMaps + 1;     ///< "are located in", after kNewMaps
inline constexpr std::size_t kCancel = kAreLocatedIn + 1;      ///< close a dialog, cancelling
inline constexpr std::size_t kWelcome = kCancel + 1;           ///< the notice of the first start

// Adding maps from drops and pastes.
inline constexpr std::size_t kFolderMissing = kWelcome + 1;    ///< the new-maps folder does not exist
inline constexpr std::size_t kUnpacking = kFolderMissing + 1;  ///< the progress of an unpacking
inline constexpr std::size_t kAdded = kUnpacking + 1;          ///< "added", after the count of maps
inline constexpr std::size_t kSkipped = kAdded + 1;            ///< the heading of what was skipped
/// One line per reason why something was not added, in the order of the reasons, up to "could
/// not be read or written"; the reasons that came later follow kIniCharset.
inline constexpr std::size_t kFirstSkipReason = kSkipped + 1;
inline constexpr std::size_t kFirstSkipReasons = 13;
/// Typed text that the INI file's character set cannot hold.
inline constexpr std::size_t kIniCharset = kFirstSkipReason + kFirstSkipReasons;
/// The reason "too little room" and those after it.
inline constexpr std::size_t kLaterSkipReason = kIniCharset + 1;
inline constexpr std::size_t kLaterSkipReasons = 2;
/// "… and %1 more", after the first lines of the report of adding maps.
inline constexpr std::size_t kMoreLines = kLaterSkipReason + kLaterSkipReasons;
/// The notice that the settings live in the user's folder, as the program's cannot be written.
inline constexpr std::size_t kSettingsElsewhere = kMoreLines + 1;
/// The status of a map that is published already with the same files, and with others.
inline constexpr std::size_t kPublishedSame = kSettingsElsewhere + 1;
inline constexpr std::size_t kPublishedDifferent = kPublishedSame + 1;

// Filtering lists and acting on several maps at once.
/// A count label while a filter hides maps: "%1 of %2", before the count word.
inline constexpr std::size_t kShownOf = kPublishedDifferent + 1;
/// The question before deleting several maps: "%1" is their number.
inline constexpr std::size_t kDeleteSeveral = kShownOf + 1;
/// Moves the selected published maps back into the new-maps folder.
inline constexpr std::size_t kTakeOut = kDeleteSeveral + 1;
/// How many maps are selected: "%1" is their number.
inline constexpr std::size_t kSelected = kTakeOut + 1;
/// The name of the text fields that filter the lists.
inline constexpr std::size_t kFilter = kSelected + 1;
/// What a reader of the details panel hears of a file of the shown map: there, or not.
inline constexpr std::size_t kPresent = kFilter + 1;
inline constexpr std::size_t kMissing = kPresent + 1;
/// The names of the details panel's file rows (the row of other files is kOthers).
inline constexpr std::size_t kPackageFile = kMissing + 1;
inline constexpr std::size_t kIniFile = kPackageFile + 1;
inline constexpr std::size_t kLocalisationFile = kIniFile + 1;
/// One past the last line.
inline constexpr std::size_t kEnd = kLocalisationFile + 1;

} // namespace localisation::lines

namespace localisation {

/// The built-in text (UTF-8, German as the program's own language) of line `n` for a language
/// file that has no such line yet: the lines added after the first twenty, as the shipped German
/// file has them; empty for others.
std::string_view builtInText(std::size_t n);

} // namespace localisation
