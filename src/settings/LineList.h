#pragma once

#include <string>
#include <string_view>
#include <vector>

/// An ordered list of text lines, kept as the bytes of the file it came from.
using LineList = std::vector<std::string>;

namespace settings {

/// Splits text into lines at CR LF, lone LF and lone CR. A break at the very end starts
/// no further line, and a NUL byte ends the text.
LineList parseLines(std::string_view text);

/// Joins lines with CR LF after every line, the last one included.
std::string joinLines(const LineList& lines);

/// `text` with every line break (CR LF, lone LF, lone CR) made CR LF; nothing else changes,
/// and a text that does not end with a break gains none.
std::string withCrLfBreaks(std::string_view text);

/// The lines of a file; throws FileOpenError when it cannot be read.
LineList loadLineList(const std::string& path);

/// Writes the lines to a file atomically; throws FileCreateError when that fails.
void saveLineList(const std::string& path, const LineList& lines);

/// Line `index` of `lines`; throws ListIndexError when the list has no such line.
const std::string& lineAt(const LineList& lines, std::size_t index);

} // namespace settings
