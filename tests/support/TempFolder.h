#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

/// A path of the program's (UTF-8 on Windows, bytes on Linux) as the standard library's path,
/// and back.
std::filesystem::path fsPath(const std::string& path);
std::string fromFsPath(const std::filesystem::path& path);

/// A path written with "/" as the system writes it.
std::string native(std::string path);

/// A fresh folder below the system's temporary folder, removed with everything in it when
/// the object goes. Paths it gives have no closing separator.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return m_path; }
    /// `relative` (written with "/") below this folder, with the native separator.
    std::string operator/(const std::string& relative) const { return m_path + native("/" + relative); }

    /// Writes `bytes` to `relative`, creating the folders on the way; returns the full path.
    std::string write(const std::string& relative, const std::string& bytes = "x") const;
    /// Creates the folder `relative` and those on the way; returns the full path.
    std::string makeFolder(const std::string& relative) const;

private:
    std::string m_path;
};

/// Writes `bytes` to the file `path`, creating the folders on the way; returns `path`. Throws
/// when the file cannot be written.
std::string writeFile(const std::string& path, const std::string& bytes);

/// One file or folder that `everythingBelow` found.
struct FoundEntry {
    std::string relative; ///< written with "/": "a", "a/b", "a/b/c.vsm"
    std::string path;     ///< full
    bool isFolder;
    bool isLink;
};

/// Every file and folder below `folder`, hidden ones too, in the order Windows lists them,
/// found by the program's own folder search (the standard library's Windows one stops at paths
/// of 260 characters).
std::vector<FoundEntry> everythingBelow(const std::string& folder);

/// The whole content of a file, or "<missing>".
std::string readFile(const std::string& path);

/// Names in a folder (files and folders, no dot entries), sorted.
std::string listFolder(const std::string& path);

#ifndef _WIN32
/// A small memory file system of `megabytes` (and room for `files` files and folders, where
/// given) mounted on the existing folder `point` while the object lives; `mounted()` is false
/// where none can be mounted (not root).
class SmallDisk {
public:
    SmallDisk(std::string point, int megabytes, int files = 0);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return m_mounted; }
    /// Makes it read-only; false when that failed.
    bool makeReadOnly();

private:
    std::string m_point;
    bool m_mounted = false;
};
#endif

/// A program folder that cannot be written, holding a config.ini ("Language:", "Deutsch"): on
/// Linux a read-only small disk mounted in `root` while the object lives; on Windows the one the
/// test script mounts into the prefix (VSM_READ_ONLY_FOLDER). `path()` is empty where there is none.
class ReadOnlyProgramFolder {
public:
    explicit ReadOnlyProgramFolder(const TempFolder& root);
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
#ifndef _WIN32
    std::unique_ptr<SmallDisk> m_disk;
#endif
};
