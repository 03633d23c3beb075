#pragma once

#include "settings/LineList.h"

#include <string>

/// The six-line template from which a map's INI file is made.
namespace operations {

/// The template as it stands before any map has been filled in.
LineList iniTemplate();

/// Fills lines 0 to 2 of `memo` (the template) with the names of the map whose base name
/// (file name less ".vsm") is `baseName`; the other lines stay as they are.
void fillIniTemplate(LineList& memo, const std::string& baseName);

} // namespace operations
