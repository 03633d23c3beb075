#pragma once

#include "platform/TreeNotices.h"

#include <string>
#include <vector>

namespace platform {

/// TreeNotices::take on either system's watch, which drains what the system told, knows
/// whether the folder is still where it was, renews itself, and holds `lost`, `complete` and
/// the `pending` changes.
template <class Watch>
TreeNotices::Outcome takeFrom(Watch& watch, const std::string& folder, std::vector<TreeNotices::Change>& changes)
{
    using Outcome = TreeNotices::Outcome;
    changes.clear();
    watch.drain();
    // The folder renamed or removed, or one above it: the path names another folder now, or none.
    if (!watch.lost && !watch.stillInPlace(folder))
        watch.lost = true;
    if (watch.lost) {
        watch.renew(folder);
        return Outcome::Lost;
    }
    // A tree that cannot be watched whole (or gives no notices) is not walked again at every
    // call: it is read instead.
    if (!watch.complete) {
        watch.pending.clear();
        return Outcome::NotGiven;
    }
    changes.swap(watch.pending);
    watch.pending.clear();
    return Outcome::Told;
}

} // namespace platform
