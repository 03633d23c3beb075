#include "BenchWorld.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace fs = std::filesystem;

BenchFolder::BenchFolder(const std::string& parent)
{
    std::string pattern = ((parent.empty() ? fs::temp_directory_path() : fs::path(parent)) / "vsm-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

BenchFolder::~BenchFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

void BenchFolder::put(const std::string& relative, std::size_t bytes) const
{
    const fs::path path = fs::path(m_path) / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << std::string(bytes, 'x');
}

double bestMilliseconds(int runs, const std::function<void()>& work)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

void reportRow(const char* what, double value, const char* unit, const char* baselineName, double baseline,
               const char* target)
{
    std::printf("| %s | %.1f %s | %s: %.1f %s | %.2f | %s |\n", what, value, unit, baselineName, baseline, unit,
                value / baseline, target);
    std::fflush(stdout);
}

int shell(const std::string& command)
{
    return std::system((command + " > /dev/null 2>&1").c_str());
}
