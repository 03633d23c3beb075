#pragma once

#include <chrono>
#include <functional>
#include <string>

/// A generated tree of maps for measurements, removed at the end.
class BenchFolder {
public:
    /// A new folder in the system's temporary folder, or in `parent`.
    explicit BenchFolder(const std::string& parent = "");
    ~BenchFolder();
    const std::string& path() const { return m_path; }
    /// Writes a small file, creating the folders on the way.
    void put(const std::string& relative, std::size_t bytes = 16) const;

private:
    std::string m_path;
};

/// The best of `runs` timings of `work`, in milliseconds.
double bestMilliseconds(int runs, const std::function<void()>& work);

/// Prints one row of the benchmark table: the figure, its baseline from the same run, their
/// ratio and the target.
void reportRow(const char* what, double value, const char* unit, const char* baselineName, double baseline,
               const char* target);

/// Runs a shell command with its output discarded; its exit code.
int shell(const std::string& command);
