#include "platform/TempFile.h"

#include "platform/LeftoverSweep.h"
#include "platform/PathSeparator.h"
#include "platform/win32/HeldFiles.h"
#include "platform/win32/DirectoryReader.h"
#include "platform/win32/Win32Files.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <utility>
#include <vector>

#include <windows.h>

namespace platform {

namespace {

constexpr char kPrefix[] = "~vsm";
constexpr char kSuffix[] = ".tmp";
constexpr std::size_t kDigits = 8;

HANDLE handleOf(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

bool TempFile::isTemporaryName(std::string_view name)
{
    const std::string_view prefix = kPrefix, suffix = kSuffix;
    if (name.size() != prefix.size() + kDigits + suffix.size() || name.substr(0, prefix.size()) != prefix
        || name.substr(name.size() - suffix.size()) != suffix)
        return false;
    return std::all_of(name.begin() + prefix.size(), name.end() - suffix.size(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

TempFile TempFile::createBeside(const std::string& target)
{
    const std::string folder = target.substr(0, lastComponentStart(target));
    // A different start on every call; a taken name just moves on to the next.
    static_assert(sizeof(unsigned) >= 4);
    const unsigned seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
    TempFile temp;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char digits[kDigits + 1];
        std::snprintf(digits, sizeof digits, "%08X", seed + static_cast<unsigned>(attempt) * 2654435761u);
        const std::string path = folder + kPrefix + digits + kSuffix;
        // Shared with nobody: no other program can delete it while it is open.
        const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            temp.m_handle = reinterpret_cast<std::intptr_t>(file);
            temp.m_path = path;
            break;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    return temp;
}

void removeLeftoverTemporaries(const std::string& folder)
{
    DirectoryReader reader(folder + kPrefix + "*" + kSuffix);
    while (const WIN32_FIND_DATAW* data = reader.next()) {
        // Deleting fails for a file that another program still has open: it shares it with nobody.
        const std::string name = utf8FromWide(data->cFileName);
        if (!(data->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && TempFile::isTemporaryName(name))
            DeleteFileW(widePath(folder + name).c_str());
    }
}

bool TempFile::write(const std::string& bytes)
{
    return writeAll(handleOf(m_handle), bytes.data(), bytes.size());
}

bool TempFile::copyFrom(const std::string& source)
{
    HANDLE in = INVALID_HANDLE_VALUE;
    if (!retryWhileHeld(source, [&] {
            in = CreateFileW(widePath(source).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
            return in != INVALID_HANDLE_VALUE;
        }))
        return false;
    // Only files on a disk: reading a pipe or a device would wait or never end.
    bool copied = GetFileType(in) == FILE_TYPE_DISK;
    // A buffer as large as the file, up to a megabyte: most files of a map are a few bytes, and
    // a megabyte made for each costs more than copying them.
    LARGE_INTEGER size {};
    GetFileSizeEx(in, &size);
    std::vector<char> buffer(static_cast<std::size_t>(std::clamp<LONGLONG>(size.QuadPart + 1, 1, 1 << 20)));
    while (copied) {
        DWORD read = 0;
        copied = ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr);
        if (!copied || read == 0)
            break;
        copied = writeAll(handleOf(m_handle), buffer.data(), read);
    }
    FILETIME lastWrite;
    if (copied && GetFileTime(in, nullptr, nullptr, &lastWrite))
        SetFileTime(handleOf(m_handle), nullptr, nullptr, &lastWrite);
    CloseHandle(in);
    return copied;
}

void TempFile::keepPermissionsOf(const std::string&)
{
    // Windows files keep no permission bits; the read-only attribute is refused before a save.
}

bool TempFile::sync()
{
    return FlushFileBuffers(handleOf(m_handle));
}

bool TempFile::renameTo(const std::string& target)
{
    close();
    const std::wstring from = widePath(m_path), to = widePath(target);
    if (!retryWhileHeld(target, [&] { return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH); }))
        return false;
    m_path.clear();
    return true;
}

bool TempFile::placeAt(const std::string& target)
{
    // The file system refuses a namesake in any case itself.
    close();
    if (!MoveFileExW(widePath(m_path).c_str(), widePath(target).c_str(), MOVEFILE_WRITE_THROUGH))
        return false;
    m_path.clear();
    return true;
}

void TempFile::close()
{
    if (m_handle != -1)
        CloseHandle(handleOf(std::exchange(m_handle, -1)));
}

void TempFile::discard()
{
    const DWORD savedError = GetLastError();
    close();
    if (!m_path.empty())
        DeleteFileW(widePath(m_path).c_str());
    m_path.clear();
    SetLastError(savedError);
}

} // namespace platform
