#include "platform/ProgramFolder.h"

#include <windows.h>

namespace platform {

std::string programFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file(path, length);
    const auto cut = file.find_last_of('\\');
    return cut == std::string::npos ? std::string(".") : file.substr(0, cut);
}

} // namespace platform
