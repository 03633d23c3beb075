#include "operations/PublishedStatus.h"

#include "localisation/LanguageLines.h"

#include <QLabel>

namespace operations {

namespace {

/// How many bytes are compared at once: in the click, and then in each later step.
constexpr std::uint64_t kFirstCompareBytes = 2u << 20;
constexpr std::uint64_t kCompareStepBytes = 4u << 20;

} // namespace

PublishedStatus::PublishedStatus(Environment& env, QObject* parent, QLabel* status,
                                 const localisation::LanguageTexts& texts)
    : m_status(status), m_texts(texts), m_steps(env, parent, [this] { continueCheck(); })
{
}

PublishedStatus::~PublishedStatus() = default;

void PublishedStatus::check(const std::string& package, const std::string& publishedFolder)
{
    m_check = std::make_unique<PublishedCheck>(package, namesakeIn(publishedFolder, package));
    if (m_check->step(kFirstCompareBytes)) {
        continueCheck();
    } else {
        m_status->setText(QStringLiteral("\u2026"));
        m_steps.start();
    }
}

void PublishedStatus::clear()
{
    m_check.reset();
    m_steps.stop();
    m_status->setText(QStringLiteral("-"));
}

void PublishedStatus::continueCheck()
{
    if (!m_check || !m_check->step(kCompareStepBytes))
        return;
    m_steps.stop();
    switch (*m_check->state()) {
    case PublishedState::NotPublished:
        m_status->setText(QStringLiteral("-"));
        break;
    case PublishedState::Same:
        m_status->setText(m_texts(localisation::lines::kPublishedSame));
        break;
    case PublishedState::Different:
        m_status->setText(m_texts(localisation::lines::kPublishedDifferent));
        break;
    }
    m_check.reset();
}

} // namespace operations
