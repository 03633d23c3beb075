#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

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

/// The size of a measurement (maps, files, folders, game types) that is `full` at the benchmark's
/// own size: the same where VSM_BENCH_SMALL is unset or 0, else a twentieth of it (at least 1),
/// so that the whole table runs in seconds and checks what each row measures, not its target.
int benchSize(int full);
/// The rounds of a measurement whose every round makes its own collection: `full`, or one at
/// the small size.
int benchRounds(int full);

/// `count` with its thousands set apart by spaces ("100 000"), for the rows' names.
std::string grouped(long long count);

/// The best of `runs` timings of `work`, in milliseconds.
double bestMilliseconds(int runs, const std::function<void()>& work);

/// Prints one row of the benchmark table: the figure, its baseline from the same run, their
/// ratio and the target.
void reportRow(const std::string& what, double value, const char* unit, const char* baselineName, double baseline,
               const char* target);

/// Runs a shell command with its output discarded; its exit code.
int shell(const std::string& command);

/// Every file below `folder`, links to folders followed.
std::vector<std::string> filesBelow(const std::string& folder);

/// How many files below `folder` have names ending in `suffix` (as given, in that letter case).
std::size_t countFilesBelow(const std::string& folder, const std::string& suffix);

/// The tool that makes a collection of maps as players have them; empty where it is missing.
std::string makeCollectionTool();

/// Makes a collection of `maps` maps in `folder` with make-collection (`layout` mixed, flat or
/// nested; `link` adds a folder link); false where the tool is missing or fails.
bool makeCollection(const std::string& folder, int maps, const std::string& layout = "mixed", bool link = false);
