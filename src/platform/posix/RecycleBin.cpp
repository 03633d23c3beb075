// The freedesktop.org trash through GIO: the home trash for files on the home file system, the
// top-level ".Trash-<uid>" of another mounted one, each with the .trashinfo file from which a
// file manager restores the file to where it was.

#include "platform/FileTransfer.h"

#include "platform/posix/PosixFiles.h"

#include <gio/gio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool recycleFile(const std::string& path)
{
    struct stat info {};
    // A read-only file (no write permission for anyone) stays, as on Windows.
    if (lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode) || isMarkedReadOnly(info))
        return false;
    GFile* file = g_file_new_for_path(path.c_str());
    GError* error = nullptr;
    const bool trashed = g_file_trash(file, nullptr, &error);
    // Where no trash can take the file, it goes for good, as a delete always did.
    const bool noTrash = !trashed && g_error_matches(error, G_IO_ERROR, G_IO_ERROR_NOT_SUPPORTED);
    if (error)
        g_error_free(error);
    g_object_unref(file);
    return trashed || (noTrash && unlink(path.c_str()) == 0);
}

} // namespace platform
