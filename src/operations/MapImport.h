#pragma once

#include "operations/ImportReport.h"

#include <string>
#include <vector>

/// Adding maps to the new-maps folder from what the user drops or pastes: map packages with
/// their companion files, folders, and archives (zip, 7z, rar and what else the archive library
/// reads). Nothing in the new-maps folder is ever replaced, and nothing half-done stays there.
namespace operations {

/// Adds each of `dropped` to `newMapsFolder` (an existing folder, without closing separator):
/// - a map package, with the companion files beside it, into its top level; a file whose name is
///   taken there (in any case) is skipped;
/// - a folder: every map file set in it, at any depth, into a new subfolder named after it,
///   keeping their layout; archives in it are unpacked there the same way;
/// - an archive (known by its content): unpacked whole into a new subfolder named after it
///   without its extension; archives inside it are unpacked in turn.
/// A subfolder name that is taken gets " (2)", " (3)", …. Each folder is put together in a
/// hidden temporary folder and renamed into place only when complete. The sources never change.
/// An archive or folder whose maps are all in `newMapsFolder` (at any depth) or in
/// `publishedFolder` already, byte for byte with their companions, is not placed again.
ImportReport importMaps(const std::vector<std::string>& dropped, const std::string& newMapsFolder,
                        UnpackProgress& progress, const std::string& publishedFolder = {});

} // namespace operations
