#pragma once

#include "operations/ImportReport.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace operations {

/// The folders and name of an archive entry below the archive's own folder, in UTF-8 as the
/// archive names them; or why the entry may not be written. "/" and "\" both separate; "."
/// and empty components are dropped; an absolute path, a drive letter or a ".." is refused.
/// No components (the entry "./") is an empty list.
std::variant<std::vector<std::string>, SkipReason> entryComponents(std::string_view name);

} // namespace operations
