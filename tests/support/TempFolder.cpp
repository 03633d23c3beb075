#include "TempFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

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
            m_path = candidate.string();
    }
    if (m_path.empty())
        throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::string TempFolder::write(const std::string& relative, const std::string& bytes) const
{
    return writeFile(*this / relative, bytes);
}

std::string writeFile(const std::string& path, const std::string& bytes)
{
    // Through the C library, so that the path's bytes are the system's own, as the program's are.
    fs::create_directories(fs::path(path).parent_path());
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0)
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string TempFolder::makeFolder(const std::string& relative) const
{
    const fs::path path = *this / relative;
    fs::create_directories(path);
    return path.string();
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
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
    for (const auto& entry : fs::directory_iterator(path, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const auto& name : names)
        joined += (joined.empty() ? "" : " ") + name;
    return joined;
}

#ifndef _WIN32
SmallDisk::SmallDisk(std::string point, int megabytes)
    : m_point(std::move(point))
    , m_mounted(geteuid() == 0
                && std::system(("mount -t tmpfs -o size=" + std::to_string(megabytes) + "m tmpfs '" + m_point + "'").c_str()) == 0)
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
