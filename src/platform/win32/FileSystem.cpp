#include "platform/FileSystem.h"

#include "platform/Errors.h"
#include "platform/FolderIndex.h"
#include "platform/NameCompare.h"
#include "platform/PathSeparator.h"
#include "platform/win32/Win32Error.h"
#include "platform/win32/DirectoryReader.h"
#include "platform/win32/Win32Files.h"

#include <windows.h>

namespace platform {

bool fileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isSpecialFile(const std::string&)
{
    // What a folder lists on Windows is a file or a folder; devices are no folder entries.
    return false;
}

bool isReadOnlyFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool folderExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    return !path.empty() && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> findIgnoringCase(const std::string& path)
{
    // The file system ignores case already; the search tells the name as it is stored.
    DirectoryReader reader(path);
    const WIN32_FIND_DATAW* data = reader.next();
    if (!data)
        return std::nullopt;
    return path.substr(0, lastComponentStart(path)) + utf8FromWide(data->cFileName);
}

std::string caseKeyOf(std::string_view name)
{
    // Upper-cased as the file systems compare names: by the system's own table, not a language's.
    std::wstring wide = wideFromUtf8(name);
    std::wstring upper(wide.size(), L'\0');
    const int length = wide.empty() ? 0
        : LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.c_str(), static_cast<int>(wide.size()),
                        upper.data(), static_cast<int>(upper.size()), nullptr, nullptr, 0);
    return length > 0 ? utf8FromWide(std::wstring_view(upper.data(), static_cast<std::size_t>(length))) : std::string(name);
}

std::vector<std::optional<std::string>> findAllIgnoringCase(const std::string& folder,
                                                            const std::vector<std::string>& names)
{
    // Each search asks the file system's own index: no folder reading to share.
    std::vector<std::optional<std::string>> found;
    for (const std::string& name : names) {
        const auto path = findIgnoringCase(folder + name);
        found.push_back(path ? std::optional(path->substr(folder.size())) : std::nullopt);
    }
    return found;
}

std::string pathOnDiskBelow(const std::string& base, const std::string& relative)
{
    // The file system ignores case already.
    return base + relative;
}

namespace {

/// The path that `convert` (GetShortPathNameW or GetLongPathNameW) gives for `path`.
template <class Convert>
std::string convertedPath(const std::string& path, Convert convert)
{
    const std::wstring wide = wideFromUtf8(path);
    std::wstring converted(wide.size() + MAX_PATH, L'\0');
    const DWORD length = convert(wide.c_str(), converted.data(), static_cast<DWORD>(converted.size()));
    if (length == 0 || length >= converted.size())
        return path;
    return utf8FromWide(std::wstring_view(converted.data(), length));
}

} // namespace

std::string shortPathOf(const std::string& path)
{
    return convertedPath(path, GetShortPathNameW);
}

std::string longPathOf(const std::string& path)
{
    return convertedPath(path, GetLongPathNameW);
}

std::int64_t fileSize(const std::string& path)
{
    const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw FileOpenError(path, lastErrorMessage());
    LARGE_INTEGER size;
    const bool queried = GetFileSizeEx(file, &size);
    CloseHandle(file);
    return queried ? size.QuadPart : 0;
}

bool canHoldName(std::string_view name)
{
    if (name.empty() || name.size() > 255 || name.back() == '.' || name.back() == ' ')
        return false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 32 || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos)
            return false;
    }
    // Device names, also with an extension and with spaces or dots before it: "NUL .txt" and
    // "COM1..vsm" open the device.
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && (stem.back() == ' ' || stem.back() == '.'))
        stem.remove_suffix(1);
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
        if (namesEqual(stem, device))
            return false;
    }
    const std::wstring wide = wideFromUtf8(stem);
    if (wide.size() == 4 && (namesEqual(stem.substr(0, 3), "COM") || namesEqual(stem.substr(0, 3), "LPT"))) {
        const wchar_t digit = wide[3];
        // The superscript digits count as digits here.
        if ((digit >= L'0' && digit <= L'9') || digit == L'\u00B9' || digit == L'\u00B2' || digit == L'\u00B3')
            return false;
    }
    return true;
}

} // namespace platform
