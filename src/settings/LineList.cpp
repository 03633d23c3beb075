#include "settings/LineList.h"

#include "platform/Errors.h"
#include "platform/TextFile.h"

namespace settings {

LineList parseLines(std::string_view text)
{
    text = text.substr(0, text.find('\0'));
    LineList lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::string joinLines(const LineList& lines)
{
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string withCrLfBreaks(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            result += "\r\n";
        } else {
            result += text[i];
        }
    }
    return result;
}

LineList loadLineList(const std::string& path)
{
    return parseLines(platform::readWholeFile(path));
}

void saveLineList(const std::string& path, const LineList& lines)
{
    platform::saveFileAtomically(path, joinLines(lines));
}

MarkedLines loadMarkedLines(const std::string& path)
{
    const std::string bytes = platform::readWholeFile(path);
    std::string_view text = bytes;
    const bool utf8 = text.starts_with(kUtf8Mark);
    if (utf8)
        text.remove_prefix(kUtf8Mark.size());
    return {parseLines(text), utf8};
}

void saveMarkedLines(const std::string& path, const MarkedLines& text)
{
    platform::saveFileAtomically(path, (text.utf8 ? std::string(kUtf8Mark) : std::string()) + joinLines(text.lines));
}

const std::string& lineAt(const LineList& lines, std::size_t index)
{
    if (index >= lines.size())
        throw platform::ListIndexError(static_cast<long long>(index));
    return lines[index];
}

} // namespace settings
