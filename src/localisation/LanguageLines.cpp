#include "localisation/LanguageLines.h"

#include "localisation/GermanFile.h"
#include "localisation/LanguageFiles.h"
#include "settings/LineList.h"

#include <algorithm>

namespace localisation {

namespace {

/// The shipped German file: UTF-8 after the mark, every line ended by CR LF.
constexpr std::string_view kGerman(kGermanFile, sizeof kGermanFile);
constexpr std::string_view kBreak = "\r\n";

/// Where the next line break is in `text` from `from`, or its size. Written out by hand: the
/// library's search compares pointers, which the compiler does not evaluate at compile time
/// where the undefined-behaviour checks are built in.
constexpr std::size_t breakAt(std::string_view text, std::size_t from)
{
    for (std::size_t at = from; at + 1 < text.size(); ++at) {
        if (text[at] == kBreak[0] && text[at + 1] == kBreak[1])
            return at;
    }
    return text.size();
}

/// Line `n` of the German file; empty past its end.
constexpr std::string_view germanLine(std::size_t n)
{
    std::string_view rest = kGerman.substr(settings::kUtf8Mark.size());
    for (; n > 0 && !rest.empty(); --n) {
        const std::size_t end = breakAt(rest, 0);
        rest = end == rest.size() ? std::string_view() : rest.substr(end + kBreak.size());
    }
    return rest.substr(0, breakAt(rest, 0));
}

/// The German file is a language file of every line, in the form the built-in texts are read in.
constexpr bool germanFileHoldsEveryLine()
{
    std::size_t breaks = 0;
    for (std::size_t at = breakAt(kGerman, 0); at < kGerman.size(); at = breakAt(kGerman, at + 1))
        ++breaks;
    const std::size_t lineFeeds = static_cast<std::size_t>(std::count(kGerman.begin(), kGerman.end(), '\n'));
    const std::size_t returns = static_cast<std::size_t>(std::count(kGerman.begin(), kGerman.end(), '\r'));
    return kGerman.starts_with(settings::kUtf8Mark) && kGerman.ends_with(kBreak) && breaks == lineFeeds
        && breaks == returns && breaks == lines::kEnd && germanLine(0) == kLanguageMarker
        && kGerman.find('\0') == std::string_view::npos;
}
static_assert(germanFileHoldsEveryLine(), "resources/lang/Deutsch.ini: UTF-8 with the mark, CR LF, every line");

} // namespace

std::string_view builtInText(std::size_t n)
{
    return n >= lines::kFolderMissing && n < lines::kEnd ? germanLine(n) : std::string_view();
}

} // namespace localisation
