#include "localisation/LanguageCheck.h"

#include "localisation/LanguageFiles.h"
#include "platform/TextFile.h"
#include "settings/LineList.h"

#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <cctype>

namespace localisation {

namespace {

/// The bytes that Windows-1252 leaves without a character.
constexpr std::string_view kUndefinedIn1252 = "\x81\x8D\x8F\x90\x9D";

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isUtf8(std::string_view text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return !decoder.hasError();
}

/// The encoding fault of one line of a file with or without the mark, or an empty text.
QString encodingFault(std::string_view line, bool marked)
{
    if (marked)
        return isUtf8(line) ? QString() : QStringLiteral("not valid UTF-8, though the file starts with the UTF-8 mark");
    if (!isAscii(line) && isUtf8(line))
        return QStringLiteral("UTF-8 text in a file without the UTF-8 mark: save it as UTF-8 with the mark (BOM)");
    const auto undefined = line.find_first_of(kUndefinedIn1252);
    if (undefined != std::string_view::npos)
        return QStringLiteral("byte 0x%1 has no character in Windows-1252; save the file as UTF-8 with the mark (BOM)")
            .arg(static_cast<unsigned char>(line[undefined]), 2, 16, QLatin1Char('0'));
    return {};
}

/// The placeholders of a line ("%1", "%s", …), sorted; "%%" is a plain per cent sign.
std::vector<std::string> placeholders(std::string_view line)
{
    const auto isDigit = [&](std::size_t at) { return at < line.size() && line[at] >= '0' && line[at] <= '9'; };
    std::vector<std::string> found;
    for (std::size_t at = 0; at + 1 < line.size(); ++at) {
        if (line[at] != '%')
            continue;
        if (line[at + 1] == '%') {
            ++at;
            continue;
        }
        std::size_t end = at + 1;
        while (isDigit(end))
            ++end;
        if (end == at + 1 && std::isalpha(static_cast<unsigned char>(line[end])))
            ++end;
        if (end > at + 1)
            found.emplace_back(line.substr(at, end - at));
        at = end - 1;
    }
    std::sort(found.begin(), found.end());
    return found;
}

QString joined(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const std::string& text : texts)
        list.append(QString::fromStdString(text));
    return list.isEmpty() ? QStringLiteral("none") : list.join(QLatin1Char(' '));
}

/// The lines of a language file's text, the mark taken off.
LineList linesOf(std::string_view bytes, bool& marked)
{
    marked = bytes.starts_with(settings::kUtf8Mark);
    return settings::parseLines(bytes.substr(marked ? settings::kUtf8Mark.size() : 0));
}

} // namespace

std::vector<LanguageFault> textFaults(std::string_view english, std::string_view bytes)
{
    std::vector<LanguageFault> faults;
    bool englishMarked = false;
    bool marked = false;
    const LineList reference = linesOf(english, englishMarked);
    const LineList lines = linesOf(bytes, marked);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const QString fault = encodingFault(lines[i], marked); !fault.isEmpty())
            faults.push_back({i + 1, fault});
    }
    if (lines.empty() || lines[0] != kLanguageMarker)
        faults.push_back({1, QStringLiteral("the first line must be \"%1\"").arg(QLatin1String(kLanguageMarker))});
    if (lines.size() < reference.size())
        faults.push_back({lines.size() + 1, QStringLiteral("lines %1 to %2 are missing").arg(lines.size() + 1).arg(reference.size())});
    if (lines.size() > reference.size())
        faults.push_back({reference.size() + 1, QStringLiteral("lines %1 to %2 are more than English has")
                                                    .arg(reference.size() + 1).arg(lines.size())});
    for (std::size_t i = 1; i < std::min(lines.size(), reference.size()); ++i) {
        if (lines[i].empty() && !reference[i].empty())
            faults.push_back({i + 1, QStringLiteral("empty")});
        const auto ours = placeholders(lines[i]);
        const auto theirs = placeholders(reference[i]);
        if (ours != theirs)
            faults.push_back({i + 1, QStringLiteral("placeholders %1, where English has %2").arg(joined(ours), joined(theirs))});
    }
    std::stable_sort(faults.begin(), faults.end(), [](const LanguageFault& a, const LanguageFault& b) { return a.line < b.line; });
    return faults;
}

std::vector<LanguageFault> languageFileFaults(const std::string& englishPath, const std::string& path)
{
    // Captions are measured only where every line can be applied as it is.
    const auto faults = textFaults(platform::readWholeFile(englishPath), platform::readWholeFile(path));
    return faults.empty() ? captionFaults(path) : faults;
}

} // namespace localisation
