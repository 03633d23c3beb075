#include "catalogue/KeptFileList.h"

#include "catalogue/MapNames.h"
#include "platform/FileSystem.h"
#include "platform/PathSeparator.h"

namespace catalogue {

KeptFileList::Update KeptFileList::take(const std::string& folder, const std::string& mask, bool mayRead)
{
    // No folder: nothing is found, and nothing to watch (its separator would be the root).
    if (folder.empty())
        return Update::ReadAgain;
    if (!m_notices || platform::withSeparator(folder) != m_folder || mask != m_mask) {
        m_folder = platform::withSeparator(folder);
        m_mask = mask;
        m_wanted = platform::WildcardMask(m_mask);
        m_notices = std::make_unique<platform::TreeNotices>(m_folder, isSearchedFolder);
        return Update::ReadAgain;
    }
    using Outcome = platform::TreeNotices::Outcome;
    const Outcome outcome = m_notices->take(m_changes);
    if (outcome == Outcome::NotGiven && !mayRead)
        return Update::Unchanged;
    if (outcome != Outcome::Told)
        return Update::ReadAgain;
    std::erase_if(m_changes, [&](const platform::TreeNotices::Change& change) { return !concernsList(change.path); });
    return m_changes.empty() ? Update::Unchanged : Update::Edited;
}

bool KeptFileList::applyTo(TStringArray& files) const
{
    for (const auto& change : m_changes) {
        if (!apply(files, change))
            return false;
    }
    return true;
}

bool KeptFileList::concernsList(std::string_view path) const
{
    const std::string_view relative = path.substr(m_folder.size());
    // The notices tell nothing of the folders the finder does not enter (those an import is
    // still putting together).
    return m_wanted.matches(relative.substr(relative.rfind(platform::kPathSeparator) + 1));
}

bool KeptFileList::apply(TStringArray& files, const platform::TreeNotices::Change& change) const
{
    const std::string_view path = change.path;
    // Where a reading would list it: the list is in the finder's order.
    std::size_t index = 0, count = files.size();
    while (count > 0) {
        const std::size_t half = count / 2;
        if (foundBefore(m_folder, files[index + half], path)) {
            index += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    const bool listed = index < files.size() && files[index] == path;
    if (!change.added) {
        if (listed)
            files.erase(index);
        return true;
    }
    // A link to a folder that matches the mask would be searched, not listed.
    if (platform::folderExists(change.path))
        return false;
    if (!listed)
        files.insert(index, path);
    return true;
}

} // namespace catalogue
