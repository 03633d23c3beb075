#pragma once

#include "catalogue/StringArray.h"

#include <cstdint>
#include <string>

/// The file finder and the file size. The finder appends its results to the program-wide
/// array `FoundFiles`; callers empty it first with `ResetFoundFiles` for a fresh result.

/// A dynamic array of strings.
using TStringArray = StringArray;

/// Full paths found since the last reset, in the order found. Between calls its length
/// equals `FoundFileCount`.
extern TStringArray FoundFiles;

/// The number of valid entries of `FoundFiles`.
extern std::int32_t FoundFileCount;

/// Empties `FoundFiles` and sets `FoundFileCount` to 0.
void ResetFoundFiles();

/// Appends the full path of every file below `folder` whose name matches `mask`: for each
/// folder, the matches of its subfolders first (depth first, in listing order, when
/// `recursive`), then its own. Folders are never results. An empty or missing folder adds
/// nothing; a link that leads back into the current descent is not entered again.
void FindFiles(std::string folder, const std::string& mask, bool recursive);

/// What FindFiles would append to an empty `FoundFiles`, returned; `FoundFiles` stays as it is.
TStringArray findFiles(std::string folder, const std::string& mask, bool recursive);

/// True when FindFiles, searching `folder` (which ends in the separator) recursively, lists the
/// file `a` before the file `b`, both below it: in each folder the files of its subfolders come
/// first, a subfolder with all it holds, then its own files, each in Windows' sorted order.
bool foundBefore(std::string_view folder, std::string_view a, std::string_view b);

/// The size of a file in bytes, 0 when it cannot be queried; throws FileOpenError when the
/// file cannot be opened.
std::int64_t FileSizeOf(const std::string& path);
