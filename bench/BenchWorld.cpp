#include "BenchWorld.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <stdexcept>

#include <unistd.h>

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

namespace {

/// True where VSM_BENCH_SMALL asks for the small size: the one place that reads it.
bool smallSize()
{
    const char* small = std::getenv("VSM_BENCH_SMALL");
    return small && *small && std::string(small) != "0";
}

} // namespace

int benchSize(int full)
{
    constexpr int kSmallDivisor = 20;
    return smallSize() ? std::max(1, full / kSmallDivisor) : full;
}

int benchRounds(int full)
{
    return smallSize() ? 1 : full;
}

std::string grouped(long long count)
{
    std::string digits = std::to_string(count < 0 ? -count : count);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ' ');
    return count < 0 ? "-" + digits : digits;
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

void reportRow(const std::string& what, double value, const char* unit, const char* baselineName, double baseline,
               const char* target)
{
    std::printf("| %s | %.1f %s | %s: %.1f %s | %.2f | %s |\n", what.c_str(), value, unit, baselineName, baseline, unit,
                value / baseline, target);
    std::fflush(stdout);
}

int shell(const std::string& command)
{
    return std::system((command + " > /dev/null 2>&1").c_str());
}

std::vector<std::string> filesBelow(const std::string& folder)
{
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder, fs::directory_options::follow_directory_symlink)) {
        if (entry.is_regular_file())
            files.push_back(entry.path().string());
    }
    return files;
}

std::size_t countFilesBelow(const std::string& folder, const std::string& suffix)
{
    const auto files = filesBelow(folder);
    return static_cast<std::size_t>(std::count_if(files.begin(), files.end(), [&](const std::string& file) {
        return file.size() >= suffix.size() && file.compare(file.size() - suffix.size(), suffix.size(), suffix) == 0;
    }));
}

std::string makeCollectionTool()
{
    // Beside the project, as the tests find the shared tools.
    const std::string tool = std::string(VSM_SHARED_DIR) + "/tools/make-collection";
    return access(tool.c_str(), X_OK) == 0 ? tool : std::string();
}

bool makeCollection(const std::string& folder, int maps, const std::string& layout, bool link)
{
    const std::string tool = makeCollectionTool();
    return !tool.empty()
        && shell("'" + tool + "' '" + folder + "' --maps " + std::to_string(maps) + " --layout " + layout
                 + (link ? " --link" : ""))
        == 0;
}
