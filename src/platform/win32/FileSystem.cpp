#include "platform/FileSystem.h"

#include "platform/Errors.h"
#include "platform/PathSeparator.h"
#include "platform/win32/Win32Error.h"

#include <windows.h>

namespace platform {

bool fileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isSpecialFile(const std::string&)
{
    // What a folder lists on Windows is a file or a folder; devices are no folder entries.
    return false;
}

bool folderExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return !path.empty() && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> findIgnoringCase(const std::string& path)
{
    // The file system ignores case already; the search tells the name as it is stored.
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA(path.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return std::nullopt;
    FindClose(search);
    return path.substr(0, lastComponentStart(path)) + data.cFileName;
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

std::int64_t fileSize(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw FileOpenError(path, lastErrorMessage());
    LARGE_INTEGER size;
    const bool queried = GetFileSizeEx(file, &size);
    CloseHandle(file);
    return queried ? size.QuadPart : 0;
}

} // namespace platform
