#include "platform/ProgramFolder.h"

#include "platform/PathSeparator.h"

#include <climits>

#include <unistd.h>

namespace platform {

std::string programFolder()
{
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return ".";
    const std::string path(buffer, static_cast<std::size_t>(n));
    const auto start = lastComponentStart(path);
    return start <= 1 ? std::string("/") : path.substr(0, start - 1);
}

} // namespace platform
