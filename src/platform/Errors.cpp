#include "platform/Errors.h"

#include <cstring>

namespace platform {

FileOpenError::FileOpenError(const std::string& path, const std::string& reason)
    : std::runtime_error("Datei " + path + " kann nicht geöffnet werden. " + reason)
{
}

FileCreateError::FileCreateError(const std::string& path, const std::string& reason)
    : std::runtime_error("Datei \"" + path + "\" kann nicht erstellt werden. " + reason)
{
}

ListIndexError::ListIndexError(long long index)
    : std::runtime_error("Listenindex überschreitet das Maximum (" + std::to_string(index) + ")")
{
}

std::string systemMessage(int errorNumber)
{
    return std::strerror(errorNumber);
}

} // namespace platform
