#include "platform/FolderTree.h"

#include "platform/FileSystem.h"
#include "platform/posix/PosixFiles.h"

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <ftw.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

/// The folder at `path`, opened and locked for this program alone; -1 when it is gone or
/// another program holds it. The lock goes with the folder when it is renamed, and with the
/// program when it ends, however it ends.
int holdFolder(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return -1;
    struct stat info {};
    // A folder removed between its opening and its lock is no longer there to hold.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || fstat(fd, &info) != 0 || info.st_nlink == 0) {
        close(fd);
        return -1;
    }
    return fd;
}

} // namespace

const char kHiddenNameMark = kHiddenNameMarks[0];

bool makeFolder(const std::string& path)
{
    return mkdir(path.c_str(), 0777) == 0;
}

void removeTree(const std::string& path)
{
    nftw(path.c_str(), [](const char* entry, const struct stat*, int type, struct FTW*) {
        (type == FTW_DP ? rmdir(entry) : unlink(entry));
        return 0;
    }, 16, FTW_DEPTH | FTW_PHYS);
}

TemporaryFolder::TemporaryFolder(const std::string& folder, std::string_view prefix)
{
    for (int attempt = 0; attempt < 10 && m_hold < 0; ++attempt) {
        // A leading dot hides it from file managers.
        std::string text = folder + kHiddenNameMark + std::string(prefix) + "XXXXXX";
        std::vector<char> pattern(text.begin(), text.end());
        pattern.push_back('\0');
        if (!mkdtemp(pattern.data()))
            return;
        // Another program's sweep may take it before it is held: then another name.
        m_hold = holdFolder(pattern.data());
        if (m_hold >= 0)
            m_path = pattern.data();
    }
}

TemporaryFolder::~TemporaryFolder()
{
    if (!m_path.empty())
        removeTree(m_path);
    if (m_hold >= 0)
        close(static_cast<int>(m_hold));
}

bool TemporaryFolder::placeAt(const std::string& to)
{
    // Its new name has no leading dot: that alone hid it. It gets the permissions of a folder
    // made new, not those of a private temporary one, so that the game run by another account
    // reads it too.
    if (m_path.empty() || findIgnoringCase(to) || fchmod(static_cast<int>(m_hold), modeOfNew(0777)) != 0
        || !renameWithoutReplacing(m_path, to))
        return false;
    m_path.clear();
    return true;
}

void removeAbandonedFolder(const std::string& path)
{
    // Held while it is removed, so that no program takes it meanwhile.
    const int fd = holdFolder(path);
    if (fd < 0)
        return;
    removeTree(path);
    close(fd);
}

} // namespace platform
