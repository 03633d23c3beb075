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

/// The UTF-8 byte-order mark. The program's own text files (config.ini, the language files) that
/// start with it are UTF-8 whatever the system's code page; those without it are in that code page.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

/// The lines of one of the program's own text files and their encoding.
struct MarkedLines {
    LineList lines; ///< without the mark
    bool utf8 = false; ///< the file starts with the mark
};

/// The lines of a file, the mark taken off where it starts with one; throws FileOpenError when
/// it cannot be read.
MarkedLines loadMarkedLines(const std::string& path);

/// Writes the lines as `saveLineList` does, after the mark where `text.utf8` says so.
void saveMarkedLines(const std::string& path, const MarkedLines& text);

/// Line `index` of `lines`; throws ListIndexError when the list has no such line.
const std::string& lineAt(const LineList& lines, std::size_t index);

} // namespace settings
