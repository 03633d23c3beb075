#pragma once

#include <cstddef>
#include <string_view>

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

} // namespace platform
