#include "operations/SelectionSize.h"

#include "catalogue/MapFileSet.h"
#include "localisation/LanguageLines.h"
#include "operations/DetailsPanel.h"
#include "platform/FileSystem.h"

#include <QLabel>

#include <algorithm>

namespace operations {

namespace {

/// How many maps' sizes are added up at once: in the click, and then in each later step.
constexpr std::size_t kSizedAtOnce = 256;

} // namespace

SelectionSize::SelectionSize(Environment& env, QObject* parent, QLabel* count, QLabel* size,
                             const localisation::LanguageTexts& texts)
    : m_count(count), m_size(size), m_texts(texts), m_steps(env, parent, [this] { continueSizing(); })
{
}

void SelectionSize::show(std::vector<std::string> selected)
{
    stop();
    m_toSize = std::move(selected);
    m_sized = 0;
    m_bytes = 0;
    const bool several = m_toSize.size() > 1;
    m_count->setVisible(several);
    m_size->setVisible(several);
    if (!several) {
        m_toSize.clear();
        return;
    }
    m_count->setText(m_texts(localisation::lines::kSelected).arg(m_toSize.size()));
    m_size->setText(QStringLiteral("\u2026"));
    continueSizing();
    if (!m_toSize.empty())
        m_steps.start();
}

void SelectionSize::stop()
{
    m_steps.stop();
}

void SelectionSize::continueSizing()
{
    // A file that went since it was listed counts nothing: no error for a sum.
    const std::size_t end = std::min(m_toSize.size(), m_sized + kSizedAtOnce);
    for (; m_sized < end; ++m_sized) {
        for (const std::string& file : catalogue::mapFileSetOf(m_toSize[m_sized]).files())
            m_bytes += static_cast<std::int64_t>(platform::fileSizeOrZero(file));
    }
    if (m_sized < m_toSize.size())
        return;
    m_steps.stop();
    m_toSize.clear();
    m_size->setText(sizeForDisplay(m_bytes));
}

} // namespace operations
