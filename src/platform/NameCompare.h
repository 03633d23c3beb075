#pragma once

#include <string>
#include <string_view>

/// File names compare as Windows compares them: letters without regard to case.
namespace platform {

/// Upper-cases the ASCII letters a to z and leaves every other byte alone.
constexpr char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

/// `name` with its ASCII letters upper-cased: the key under which names equal without case meet.
inline std::string upperCasedAscii(std::string name)
{
    for (char& c : name)
        c = upperAscii(c);
    return name;
}

/// True when the two names are equal, ignoring the case of ASCII letters.
inline bool namesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    }
    return true;
}

/// True when `name` ends with `suffix`, ignoring the case of ASCII letters.
inline bool endsWithIgnoringCase(std::string_view name, std::string_view suffix)
{
    return name.size() >= suffix.size() && namesEqual(name.substr(name.size() - suffix.size()), suffix);
}

/// True when Windows lists the name `a` before `b` in a sorted folder: by the names with their
/// ASCII letters upper-cased, byte by byte; names equal so, by their own bytes.
inline bool listedBefore(std::string_view a, std::string_view b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return static_cast<unsigned char>(upperAscii(a[i])) < static_cast<unsigned char>(upperAscii(b[i]));
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

} // namespace platform
