#include "platform/TreeNotices.h"

#include "platform/FileSystem.h"
#include "platform/TreeWatch.h"

namespace platform {

TreeNotices::TreeNotices(std::string folder, EntersFolder enters) : m_folder(std::move(folder)), m_watch(makeTreeWatch())
{
    m_watch->enters = enters;
    m_watch->renew(m_folder);
}

TreeNotices::~TreeNotices() = default;

TreeNotices::Outcome TreeNotices::take(std::vector<Change>& changes)
{
    changes.clear();
    m_watch->drain();
    // The folder renamed or removed, or one above it: the path names another folder now, or none.
    if (!m_watch->lost && !m_watch->stillInPlace(m_folder))
        m_watch->lost = true;
    if (m_watch->lost) {
        m_watch->renew(m_folder);
        return Outcome::Lost;
    }
    // A tree that cannot be watched whole (or gives no notices) is not walked again at every
    // call: it is read instead.
    if (!m_watch->complete) {
        m_watch->pending.clear();
        return Outcome::NotGiven;
    }
    changes.swap(m_watch->pending);
    m_watch->pending.clear();
    return Outcome::Told;
}

void TreeNotices::catchUp()
{
    if (m_watch->complete)
        m_watch->catchUp();
}

std::vector<std::optional<std::string>> TreeNotices::find(const std::string& folder, const std::vector<std::string>& names)
{
    const FolderIndex* index = m_watch->indexOf(folder);
    return index ? index->findAll(names) : findAllIgnoringCase(folder, names);
}

} // namespace platform
