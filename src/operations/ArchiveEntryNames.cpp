#include "operations/ArchiveEntryNames.h"

namespace operations {

std::variant<std::vector<std::string>, SkipReason> entryComponents(std::string_view name)
{
    const auto isSeparator = [](char c) { return c == '/' || c == '\\'; };
    if (name.empty() || isSeparator(name.front()))
        return SkipReason::OutsideItsFolder;
    // "C:", "C:x" or "C:\x": a drive, wherever the entry would be written.
    if (name.size() >= 2 && name[1] == ':' && ((name[0] | 0x20) >= 'a' && (name[0] | 0x20) <= 'z'))
        return SkipReason::OutsideItsFolder;
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = start;
        while (end < name.size() && !isSeparator(name[end]))
            ++end;
        const std::string_view component = name.substr(start, end - start);
        if (component == "..")
            return SkipReason::OutsideItsFolder;
        if (!component.empty() && component != ".")
            components.emplace_back(component);
        start = end + 1;
    }
    return components;
}

} // namespace operations
