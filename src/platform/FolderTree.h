#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

/// Folders as wholes: made, removed, and put together hidden before they take their place.
namespace platform {

/// Creates the folder `path`; its parent must exist. False when it cannot, or something of that
/// name is there already.
bool makeFolder(const std::string& path);

/// Removes `path` with everything below it. Links are removed, never followed. Quiet.
void removeTree(const std::string& path);

/// What starts the name of a folder hidden by this program, one system's each: "." hides it on
/// Linux; "~" on Windows, where the folder is also marked hidden. Folders that either left may
/// meet on a drive both use.
inline constexpr std::string_view kHiddenNameMarks = ".~";
/// This system's mark, one of kHiddenNameMarks.
extern const char kHiddenNameMark;

/// A new hidden folder in which something is put together before it takes its place. While the
/// object lives, this program holds the folder: another running program that sweeps away what
/// a program ended midway left (`removeAbandonedFolder`) leaves it alone. Removed with all it
/// holds when the object goes, unless it was placed.
class TemporaryFolder {
public:
    /// Makes the folder in `folder` (which ends in the separator), its name `prefix` and a few
    /// characters, hidden where the system hides folders; `path()` is empty when it failed.
    TemporaryFolder(const std::string& folder, std::string_view prefix);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& path() const { return m_path; }
    /// Gives the folder the name `to`, unless something of that name exists there in any case,
    /// and makes it an ordinary folder there, shown like any other. False otherwise.
    bool placeAt(const std::string& to);

private:
    std::string m_path;
    std::intptr_t m_hold = -1;
};

/// Removes `path`, a folder made by a TemporaryFolder, with all it holds, unless a running
/// program still holds it.
void removeAbandonedFolder(const std::string& path);

} // namespace platform
