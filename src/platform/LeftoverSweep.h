#pragma once

#include "platform/PathSeparator.h"

#include <string>
#include <utility>

namespace platform {

/// Removes the temporary files in `folder` (which ends in the separator) that a program ended
/// midway left behind; one that a running program is still writing stays.
void removeLeftoverTemporaries(const std::string& folder);

/// Clears a destination folder of leftover temporary files once, just before the first
/// temporary file of a batch of moves or copies is made there.
class LeftoverSweep {
public:
    explicit LeftoverSweep(std::string folder) : m_folder(std::move(folder)) {}
    /// The sweep of the folder that holds `path`.
    static LeftoverSweep beside(const std::string& path) { return LeftoverSweep(path.substr(0, lastComponentStart(path))); }

    void once()
    {
        if (!std::exchange(m_done, true))
            removeLeftoverTemporaries(m_folder);
    }

private:
    std::string m_folder;
    bool m_done = false;
};

} // namespace platform
