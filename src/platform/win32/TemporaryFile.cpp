#include "platform/win32/TemporaryFile.h"

#include "platform/LeftoverSweep.h"
#include "platform/PathSeparator.h"

#include <cctype>
#include <cstdio>
#include <vector>

namespace platform {

namespace {

constexpr char kPrefix[] = "~vsm";
constexpr char kSuffix[] = ".tmp";
constexpr std::size_t kDigits = 8;

/// True for a name that createTemporaryBeside makes.
bool isTemporaryName(const std::string& name)
{
    const std::string prefix = kPrefix, suffix = kSuffix;
    if (name.size() != prefix.size() + kDigits + suffix.size() || name.compare(0, prefix.size(), prefix) != 0
        || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < prefix.size() + kDigits; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

} // namespace

TemporaryFile createTemporaryBeside(const std::string& target)
{
    const std::string folder = target.substr(0, lastComponentStart(target));
    // A different start on every call; a taken name just moves on to the next.
    static_assert(sizeof(unsigned) >= 4);
    unsigned seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char digits[kDigits + 1];
        std::snprintf(digits, sizeof digits, "%08X", seed + static_cast<unsigned>(attempt) * 2654435761u);
        TemporaryFile temp;
        temp.path = folder + kPrefix + digits + kSuffix;
        temp.handle = CreateFileA(temp.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        if (temp.valid() || GetLastError() != ERROR_FILE_EXISTS)
            return temp;
    }
    return {};
}

std::string copyToTemporary(const std::string& from, const std::string& to)
{
    const HANDLE in = CreateFileA(from.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (in == INVALID_HANDLE_VALUE)
        return {};
    TemporaryFile temp;
    bool copied = GetFileType(in) == FILE_TYPE_DISK;
    if (copied)
        temp = createTemporaryBeside(to);
    copied = copied && temp.valid();
    std::vector<char> buffer(1 << 20);
    while (copied) {
        DWORD read = 0, written = 0;
        copied = ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr);
        if (!copied || read == 0)
            break;
        copied = WriteFile(temp.handle, buffer.data(), read, &written, nullptr) && written == read;
    }
    FILETIME lastWrite;
    if (copied && GetFileTime(in, nullptr, nullptr, &lastWrite))
        SetFileTime(temp.handle, nullptr, nullptr, &lastWrite);
    copied = copied && FlushFileBuffers(temp.handle);
    CloseHandle(in);
    if (temp.valid())
        CloseHandle(temp.handle);
    if (copied)
        return temp.path;
    if (temp.valid())
        DeleteFileA(temp.path.c_str());
    return {};
}

void removeLeftoverTemporaries(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    const HANDLE search = FindFirstFileA((folder + kPrefix + "*" + kSuffix).c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        // Deleting fails for a file that another program still has open: it shares it with nobody.
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && isTemporaryName(data.cFileName))
            DeleteFileA((folder + data.cFileName).c_str());
    } while (FindNextFileA(search, &data));
    FindClose(search);
}

} // namespace platform
