#pragma once

#include "settings/LineList.h"

#include <string>
#include <vector>

/// Language files: "*.ini" files in the program folder whose first line is "LanguageFile". A file
/// that starts with the UTF-8 mark is UTF-8 on every system; one without it is in the system's
/// code page (on Linux: UTF-8 where valid, else Windows-1252).
namespace localisation {

/// The first line of every language file.
inline constexpr const char* kLanguageMarker = "LanguageFile";

/// The language names found directly in `programFolder`, in the finder's order. Each
/// candidate is loaded into `scratch`; unreadable and empty files are passed over.
std::vector<std::string> discoverLanguages(const std::string& programFolder, LineList& scratch);

/// The lines of the language file of `name` as UTF-8 text, found whatever the case of its file
/// name; throws FileOpenError when it cannot be read.
LineList loadLanguageFile(const std::string& programFolder, const std::string& name);

} // namespace localisation
