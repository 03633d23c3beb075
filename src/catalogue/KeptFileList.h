#pragma once

#include "catalogue/FileManagement.h"
#include "platform/TreeNotices.h"
#include "platform/Wildcard.h"

#include <memory>
#include <string>
#include <vector>

namespace catalogue {

/// The list of the files that FindFiles finds below one folder (recursively, by a mask), kept
/// current from the system's change notices while the object lives: a map that comes or goes
/// costs an edit of the list, not a reading of the whole folder (installing all maps).
class KeptFileList {
public:
    enum class Update {
        Unchanged, ///< nothing changed that the list shows
        Edited,    ///< `applyTo` makes the list what a reading would give
        ReadAgain, ///< the list cannot be known from the notices: the caller reads the folder
    };

    /// What changed below `folder` for the files matching `mask` since the caller last read
    /// the list or applied the changes. Where there are no notices (a tree that cannot be
    /// watched whole), the list is to be read again only when `mayRead` and is left as it is
    /// otherwise. The first call,
    /// and one for another folder or mask, asks for a reading: the list it gives is the one
    /// the notices then keep.
    Update take(const std::string& folder, const std::string& mask, bool mayRead);

    /// Makes the next `take` tell every change made before this call (see TreeNotices::catchUp).
    void catchUp()
    {
        if (m_notices)
            m_notices->catchUp();
    }

    /// The names in its folders: those the notices keep, else (before the first `take`) the disk's.
    platform::FolderNames& names() const
    {
        return m_notices ? static_cast<platform::FolderNames&>(*m_notices) : platform::diskNames();
    }

    /// After Edited: brings `files` up to date; false when the changes turn out not to be
    /// edits of the list (the caller reads the folder then).
    bool applyTo(TStringArray& files) const;

private:
    /// True when a change of the file `path` concerns the list: its name matches the mask.
    bool concernsList(std::string_view path) const;
    /// Applies one change; false when the list cannot be kept by edits.
    bool apply(TStringArray& files, const platform::TreeNotices::Change& change) const;

    std::string m_folder; ///< with the closing separator
    std::string m_mask;
    platform::WildcardMask m_wanted {""};
    std::unique_ptr<platform::TreeNotices> m_notices;
    std::vector<platform::TreeNotices::Change> m_changes;
};

} // namespace catalogue
