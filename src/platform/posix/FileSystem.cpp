#include "platform/FileSystem.h"

#include "platform/Errors.h"
#include "platform/NameCompare.h"
#include "platform/PathSeparator.h"
#include "platform/posix/PosixFiles.h"

#include <cerrno>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool fileExists(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool folderExists(const std::string& path)
{
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::string> findIgnoringCase(const std::string& path)
{
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0)
        return path;
    const auto cut = path.rfind(kPathSeparator);
    const std::string folder = cut == std::string::npos ? std::string(".") : path.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir)
        return std::nullopt;
    while (const dirent* entry = readdir(dir.get())) {
        if (namesEqual(entry->d_name, name))
            return (cut == std::string::npos ? std::string() : folder) + entry->d_name;
    }
    return std::nullopt;
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

} // namespace platform
