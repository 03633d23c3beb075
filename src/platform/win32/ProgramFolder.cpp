#include "platform/ProgramFolder.h"

#include "platform/PathSeparator.h"

#include <windows.h>

namespace platform {

std::string programFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string file(path, length);
    const auto start = lastComponentStart(file);
    return start == 0 ? std::string(".") : file.substr(0, start - 1);
}

} // namespace platform
