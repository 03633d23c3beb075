#include "operations/PublishedCheck.h"

#include "catalogue/MapNames.h"
#include "operations/ImportedFile.h"
#include "platform/FileSystem.h"
#include "platform/FileReader.h"
#include "platform/PathSeparator.h"

#include <algorithm>

namespace operations {

/// Two files of the same size, compared from the start.
struct PublishedCheck::Pair {
    std::unique_ptr<platform::FileReader> here, there;
};

std::optional<std::string> namesakeIn(const std::string& folder, const std::string& package)
{
    return platform::findFileIgnoringCase(platform::joinPath(folder, catalogue::fileNameOf(package)));
}

PublishedCheck::PublishedCheck(const std::string& package, const std::optional<std::string>& published)
{
    if (!published) {
        m_state = PublishedState::NotPublished;
        return;
    }
    // The same files: the package and each companion present in both places or in neither.
    const catalogue::MapFileSet mine = catalogue::mapFileSetOf(package), theirs = catalogue::mapFileSetOf(*published);
    const std::optional<std::string> files[][2] = {
        {mine.package, theirs.package}, {mine.ini, theirs.ini}, {mine.localisation, theirs.localisation}};
    for (const auto& [one, other] : files) {
        if (one.has_value() != other.has_value()
            || (one && platform::fileSizeOrZero(*one) != platform::fileSizeOrZero(*other))) {
            m_state = PublishedState::Different;
            return;
        }
        if (one && *one != *other)
            m_pairs.push_back({std::make_unique<platform::FileReader>(*one), std::make_unique<platform::FileReader>(*other)});
    }
    if (m_pairs.empty())
        m_state = PublishedState::Same;
}

PublishedCheck::~PublishedCheck() = default;

bool PublishedCheck::step(std::uint64_t bytes)
{
    constexpr std::size_t kBlock = 1u << 20;
    std::vector<char> one(kBlock), other(kBlock);
    while (!m_state && bytes > 0) {
        Pair& pair = m_pairs[m_current];
        if (!pair.here->valid() || !pair.there->valid()) {
            m_state = PublishedState::Different;
            break;
        }
        const std::int64_t got = pair.here->read(one.data(), kBlock);
        const std::int64_t gotThere = got > 0 ? pair.there->read(other.data(), static_cast<std::size_t>(got)) : got;
        if (got < 0 || got != gotThere || !std::equal(one.begin(), one.begin() + got, other.begin())) {
            m_state = PublishedState::Different;
            break;
        }
        if (got == 0 && ++m_current == m_pairs.size())
            m_state = PublishedState::Same;
        bytes -= std::min<std::uint64_t>(bytes, static_cast<std::uint64_t>(got) + 1);
    }
    return m_state.has_value();
}

} // namespace operations
