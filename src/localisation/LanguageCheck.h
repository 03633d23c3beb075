#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

/// A translator's check of a language file against the English one: what the program would show
/// wrongly, cut off or not at all.
namespace localisation {

/// One fault of a language file.
struct LanguageFault {
    std::size_t line; ///< the line of the file as an editor counts it, from 1
    QString message;  ///< what is wrong, in English
};

/// Faults of the file's text `bytes` against the English file's `english`: its encoding (no mark
/// and a byte that Windows-1252 does not define, or UTF-8 text without the mark; the mark and
/// invalid UTF-8), the marker line, lines missing, extra or empty, placeholders ("%1", "%s", …)
/// other than the English line's.
std::vector<LanguageFault> textFaults(std::string_view english, std::string_view bytes);

/// Captions wider than their control, with the language file at `path` applied to the program's
/// windows in both modes, measured in the program's fonts.
std::vector<LanguageFault> captionFaults(const std::string& path);

/// The faults of the language file at `path`: those of its text, and where it has none, those
/// of its captions. Throws FileOpenError when a file cannot be read.
std::vector<LanguageFault> languageFileFaults(const std::string& englishPath, const std::string& path);

} // namespace localisation
