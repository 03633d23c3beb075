#include "platform/FolderTree.h"

#include "platform/NameCompare.h"
#include "platform/win32/AnsiText.h"

#include <cstdio>

#include <windows.h>

namespace platform {

bool makeFolder(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr);
}

std::string makeTemporaryFolder(const std::string& folder, std::string_view prefix)
{
    unsigned seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08X", seed + static_cast<unsigned>(attempt) * 2654435761u);
        const std::string path = folder + "~" + std::string(prefix) + digits;
        if (CreateDirectoryA(path.c_str(), nullptr)) {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
            return path;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    return {};
}

void removeTree(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    // A junction or folder link goes itself; what it leads to stays.
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        WIN32_FIND_DATAA data;
        const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &data);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = data.cFileName;
                if (name != "." && name != "..")
                    removeTree(path + "\\" + name);
            } while (FindNextFileA(search, &data));
            FindClose(search);
        }
    }
    RemoveDirectoryA(path.c_str());
}

bool placeTemporaryFolder(const std::string& from, const std::string& to)
{
    // The file system compares names without case and refuses a namesake itself; the hidden
    // attribute goes with the folder and is taken off.
    if (!MoveFileExA(from.c_str(), to.c_str(), 0))
        return false;
    const DWORD attributes = GetFileAttributesA(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(to.c_str(), attributes & ~FILE_ATTRIBUTE_HIDDEN);
    return true;
}

std::optional<std::uint64_t> freeSpace(const std::string& folder)
{
    ULARGE_INTEGER available;
    if (!GetDiskFreeSpaceExA(folder.c_str(), &available, nullptr, nullptr))
        return std::nullopt;
    return available.QuadPart;
}

bool canHoldName(std::string_view name)
{
    if (name.empty() || name.size() > 255 || name.back() == '.' || name.back() == ' ')
        return false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 32 || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos)
            return false;
    }
    // Device names, also with an extension: "NUL.txt" opens the device.
    const std::string_view stem = name.substr(0, name.find('.'));
    for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
        if (namesEqual(stem, device))
            return false;
    }
    for (const char* device : {"COM", "LPT"}) {
        if (stem.size() == 4 && namesEqual(stem.substr(0, 3), device) && stem[3] >= '0' && stem[3] <= '9')
            return false;
    }
    return true;
}

std::optional<std::string> nameFromUtf8(std::string_view utf8)
{
    return exactAnsiFromUtf8(utf8);
}

// Windows' C library and the archive reader use the wide names: nothing to switch.
Utf8NameConversions::Utf8NameConversions() = default;
Utf8NameConversions::~Utf8NameConversions() = default;

NewFile::NewFile(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        m_handle = reinterpret_cast<std::intptr_t>(file);
}

NewFile::~NewFile()
{
    close();
}

bool NewFile::write(const void* bytes, std::size_t size)
{
    const char* at = static_cast<const char*>(bytes);
    while (size > 0) {
        const DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(reinterpret_cast<HANDLE>(m_handle), at, chunk, &written, nullptr) || written == 0)
            return false;
        at += written;
        size -= written;
    }
    return true;
}

bool NewFile::close()
{
    if (m_handle == -1)
        return true;
    const bool closed = CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = -1;
    return closed;
}

} // namespace platform
