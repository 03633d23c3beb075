#pragma once

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

} // namespace platform
