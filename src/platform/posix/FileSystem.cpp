#include "platform/FileSystem.h"

#include "platform/Errors.h"
#include "platform/FolderIndex.h"
#include "platform/NameCompare.h"
#include "platform/PathSeparator.h"
#include "platform/posix/DirectoryReader.h"
#include "platform/posix/PosixFiles.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool fileExists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool isSpecialFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) && !S_ISREG(info.st_mode);
}

bool isReadOnlyFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && isMarkedReadOnly(info);
}

bool folderExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string caseKeyOf(std::string_view name)
{
    return upperCasedAscii(std::string(name));
}

std::vector<std::optional<std::string>> findAllIgnoringCase(const std::string& folder,
                                                            const std::vector<std::string>& names)
{
    std::vector<std::optional<std::string>> found(names.size());
    std::size_t missing = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        struct stat info {};
        if (lstat((folder + names[i]).c_str(), &info) == 0)
            found[i] = names[i];
        else
            ++missing;
    }
    if (missing == 0)
        return found;
    DirectoryReader dir(folder);
    const dirent64* entry;
    while (missing > 0 && (entry = dir.next())) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (!found[i] && namesEqual(entry->d_name, names[i])) {
                found[i] = entry->d_name;
                --missing;
            }
        }
    }
    return found;
}

std::optional<std::string> findIgnoringCase(const std::string& path)
{
    const std::string folder = path.substr(0, lastComponentStart(path));
    const auto found = findAllIgnoringCase(folder, {path.substr(folder.size())});
    if (!found[0])
        return std::nullopt;
    return folder + *found[0];
}

std::string pathOnDiskBelow(const std::string& base, const std::string& relative)
{
    // Spelt exactly as on disk, every folder on the way is too: one look-up answers.
    struct stat info {};
    if (lstat((base + relative).c_str(), &info) == 0)
        return base + relative;
    std::string path = base;
    std::size_t at = 0;
    while (at < relative.size()) {
        const auto next = relative.find(kPathSeparator, at + 1);
        const std::string name = relative.substr(at + 1, next == std::string::npos ? std::string::npos : next - at - 1);
        const auto found = findAllIgnoringCase(withSeparator(path), {name});
        path = joinPath(std::move(path), found[0].value_or(name));
        at = next == std::string::npos ? relative.size() : next;
    }
    return path;
}

std::string shortPathOf(const std::string& path)
{
    return path; // names have no second form here
}

std::string longPathOf(const std::string& path)
{
    return path;
}

std::int64_t fileSize(const std::string& path)
{
    const int fd = openForReading(path);
    if (fd < 0)
        throw FileOpenError(path, systemMessage(errno));
    struct stat info {};
    const bool queried = fstat(fd, &info) == 0;
    close(fd);
    if (queried && S_ISDIR(info.st_mode))
        throw FileOpenError(path, systemMessage(EISDIR));
    return queried ? static_cast<std::int64_t>(info.st_size) : 0;
}

bool canHoldName(std::string_view name)
{
    return !name.empty() && name.size() <= 255 && name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

} // namespace platform
