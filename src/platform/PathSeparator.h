#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

/// The native folder separator and the rules that depend on it.
namespace platform {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

/// True for the character after which a path's last component starts:
/// the separator, and on Windows also the drive colon.
constexpr bool endsComponent(char c)
{
#ifdef _WIN32
    return c == '\\' || c == ':';
#else
    return c == '/';
#endif
}

/// Where the last component of `path` starts: just after its last separator (or drive colon),
/// 0 when it has none.
constexpr std::size_t lastComponentStart(std::string_view path)
{
    for (std::size_t i = path.size(); i > 0; --i) {
        if (endsComponent(path[i - 1]))
            return i;
    }
    return 0;
}

/// `folder` with its closing separator (added where it has none, also to an empty path): the
/// start of every path inside it.
inline std::string withSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != kPathSeparator)
        folder += kPathSeparator;
    return folder;
}

/// The path of `name` inside `folder`, whether or not the folder ends in its separator.
inline std::string joinPath(std::string folder, std::string_view name)
{
    return withSeparator(std::move(folder)).append(name);
}

/// `path` less its closing separators; a root keeps its one.
inline std::string withoutClosingSeparator(std::string path)
{
    while (path.size() > 1 && path.back() == kPathSeparator)
        path.pop_back();
    return path;
}

} // namespace platform
