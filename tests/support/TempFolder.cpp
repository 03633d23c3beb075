#include "TempFolder.h"

#include "platform/DirectorySearch.h"
#include "platform/PathSeparator.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

std::filesystem::path fsPath(const std::string& path)
{
#ifdef _WIN32
    // In the "\\?\" form where it is full, as the program's own calls take it: no length limit.
    std::string full = path;
    std::replace(full.begin(), full.end(), '/', '\\');
    if (full.size() > 2 && full[1] == ':')
        full = "\\\\?\\" + full;
    return fs::path(std::u8string(full.begin(), full.end()));
#else
    return fs::path(path);
#endif
}

std::string fromFsPath(const std::filesystem::path& path)
{
#ifdef _WIN32
    const std::u8string utf8 = path.u8string();
    const std::string text(utf8.begin(), utf8.end());
    return text.starts_with("\\\\?\\") ? text.substr(4) : text;
#else
    return path.string();
#endif
}

std::string native(std::string path)
{
    std::replace(path.begin(), path.end(), '/', static_cast<char>(fs::path::preferred_separator));
    return path;
}

TempFolder::TempFolder()
{
    std::random_device random;
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
        const fs::path candidate = fs::temp_directory_path() / ("vsm-test-" + std::to_string(random()));
        if (fs::create_directory(candidate))
            m_path = fromFsPath(candidate);
    }
    if (m_path.empty())
        throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::remove_all(fsPath(m_path), ignored);
}

std::string TempFolder::write(const std::string& relative, const std::string& bytes) const
{
    return writeFile(*this / relative, bytes);
}

std::string writeFile(const std::string& path, const std::string& bytes)
{
    fs::create_directories(fsPath(path).parent_path());
    std::ofstream out(fsPath(path), std::ios::binary);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush())
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string TempFolder::makeFolder(const std::string& relative) const
{
    const std::string path = *this / relative;
    fs::create_directories(fsPath(path));
    return path;
}

std::vector<FoundEntry> everythingBelow(const std::string& folder)
{
    std::vector<FoundEntry> found;
    // Paths by value: `found` grows meanwhile.
    std::function<void(std::string, std::string)> walk = [&](std::string at, std::string shown) {
        const auto entries = platform::searchDirectory(at + platform::kPathSeparator, "*");
        for (const auto entry : entries.value_or(platform::DirectoryEntries{})) {
            if (entry.name == "." || entry.name == "..")
                continue;
            const std::string name(entry.name);
            found.push_back({shown + name, at + platform::kPathSeparator + name, entry.isFolder, entry.isLink});
            if (entry.isFolder && !entry.isLink)
                walk(found.back().path, shown + name + "/");
        }
    };
    walk(folder, "");
    return found;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(fsPath(path), std::ios::binary);
    if (!in)
        return "<missing>";
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string listFolder(const std::string& path)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fsPath(path), error))
        names.push_back(fromFsPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const auto& name : names)
        joined += (joined.empty() ? "" : " ") + name;
    return joined;
}

#ifndef _WIN32
SmallDisk::SmallDisk(std::string point, int megabytes, int files)
    : m_point(std::move(point))
    , m_mounted(geteuid() == 0
                && std::system(("mount -t tmpfs -o size=" + std::to_string(megabytes) + "m"
                                + (files > 0 ? ",nr_inodes=" + std::to_string(files) : "") + " tmpfs '" + m_point + "'")
                                   .c_str())
                       == 0)
{
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        (void)std::system(("umount '" + m_point + "'").c_str());
}

bool SmallDisk::makeReadOnly()
{
    return std::system(("mount -o remount,ro '" + m_point + "'").c_str()) == 0;
}
#endif

ReadOnlyProgramFolder::ReadOnlyProgramFolder(const TempFolder& root)
{
#ifdef _WIN32
    (void)root;
    if (const char* mounted = std::getenv("VSM_READ_ONLY_FOLDER"))
        m_path = mounted;
#else
    const std::string folder = root.makeFolder("read-only");
    m_disk = std::make_unique<SmallDisk>(folder, 1);
    if (!m_disk->mounted())
        return;
    std::ofstream(folder + "/config.ini", std::ios::binary) << "Language:\r\nDeutsch\r\n";
    if (m_disk->makeReadOnly())
        m_path = folder;
#endif
}
