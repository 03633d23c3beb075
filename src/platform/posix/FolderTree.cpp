#include "platform/FolderTree.h"

#include "platform/FileSystem.h"
#include "platform/posix/PosixFiles.h"

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <ftw.h>
#include <locale.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace platform {

bool makeFolder(const std::string& path)
{
    return mkdir(path.c_str(), 0777) == 0;
}

std::string makeTemporaryFolder(const std::string& folder, std::string_view prefix)
{
    // A leading dot hides it from file managers.
    std::string text = folder + "." + std::string(prefix) + "XXXXXX";
    std::vector<char> pattern(text.begin(), text.end());
    pattern.push_back('\0');
    return mkdtemp(pattern.data()) ? std::string(pattern.data()) : std::string();
}

void removeTree(const std::string& path)
{
    nftw(path.c_str(), [](const char* entry, const struct stat*, int type, struct FTW*) {
        (type == FTW_DP ? rmdir(entry) : unlink(entry));
        return 0;
    }, 16, FTW_DEPTH | FTW_PHYS);
}

bool placeTemporaryFolder(const std::string& from, const std::string& to)
{
    // Its new name has no leading dot: that alone hid it.
    return !findIgnoringCase(to) && renameWithoutReplacing(from, to);
}

std::optional<std::uint64_t> freeSpace(const std::string& folder)
{
    struct statvfs info {};
    if (statvfs(folder.c_str(), &info) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
}

bool canHoldName(std::string_view name)
{
    return !name.empty() && name.size() <= 255 && name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

std::optional<std::string> nameFromUtf8(std::string_view utf8)
{
    return std::string(utf8);
}

Utf8NameConversions::Utf8NameConversions()
{
    const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (utf8) {
        m_utf8 = utf8;
        m_previous = uselocale(utf8);
    }
}

Utf8NameConversions::~Utf8NameConversions()
{
    if (m_utf8) {
        uselocale(static_cast<locale_t>(m_previous));
        freelocale(static_cast<locale_t>(m_utf8));
    }
}

NewFile::NewFile(const std::string& path)
    : m_handle(open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666))
{
}

NewFile::~NewFile()
{
    close();
}

bool NewFile::write(const void* bytes, std::size_t size)
{
    return writeAll(static_cast<int>(m_handle), bytes, size);
}

bool NewFile::close()
{
    if (m_handle == -1)
        return true;
    const bool closed = ::close(static_cast<int>(m_handle)) == 0;
    m_handle = -1;
    return closed;
}

} // namespace platform
