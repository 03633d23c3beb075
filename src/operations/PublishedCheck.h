#pragma once

#include "catalogue/MapFileSet.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

/// Whether a map is published already, and whether with the same files: the status of a map of
/// the new-maps or unpublished list, which also tells why a move of it does nothing.
namespace operations {

/// The map of the name of `package` in `folder`, as it is spelt there; nothing where none is.
std::optional<std::string> namesakeIn(const std::string& folder, const std::string& package);

enum class PublishedState {
    NotPublished, ///< the published folder holds no map of that name
    Same,         ///< it holds one with the same files, byte for byte
    Different,    ///< it holds one whose files differ
};

/// A comparison of a map's files with those of the published map of its name. Sizes are compared
/// at once; bytes, where the sizes agree, in steps, so that a large map can be compared while
/// the window goes on.
class PublishedCheck {
public:
    /// Compares the map at `package` with the one at `namesake` (nothing: there is none).
    PublishedCheck(const std::string& package, const std::optional<std::string>& namesake);
    ~PublishedCheck();
    PublishedCheck(const PublishedCheck&) = delete;
    PublishedCheck& operator=(const PublishedCheck&) = delete;

    /// The answer, once it is known.
    const std::optional<PublishedState>& state() const { return m_state; }
    /// Compares about `bytes` more; true when the answer is known.
    bool step(std::uint64_t bytes);

private:
    struct Pair;
    std::vector<Pair> m_pairs; ///< the files to compare byte for byte
    std::size_t m_current = 0;
    std::optional<PublishedState> m_state;
};

} // namespace operations
