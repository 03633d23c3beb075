#include "app/ProgressBox.h"

#include <QProgressDialog>

namespace {

/// How long work goes on before its progress is shown.
constexpr int kShownAfterMilliseconds = 1000;

} // namespace

ProgressBox::ProgressBox(QWidget* parent, QString cancel, Qt::WindowModality modality)
    : m_parent(parent), m_cancel(std::move(cancel)), m_modality(modality)
{
}

ProgressBox::~ProgressBox() = default;

bool ProgressBox::show(const QString& label, std::uint64_t done, std::uint64_t total)
{
    if (!m_dialog) {
        m_dialog = std::make_unique<QProgressDialog>(m_parent);
        m_dialog->setWindowModality(m_modality);
        m_dialog->setMinimumDuration(kShownAfterMilliseconds);
        m_dialog->setCancelButtonText(m_cancel);
        m_dialog->setRange(0, kSteps);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        m_dialog->setValue(0);
    }
    if (label != m_label) {
        m_label = label;
        m_dialog->setLabelText(label);
    }
    const int step = total == 0 ? 0 : static_cast<int>(done * kSteps / total);
    if (step != m_dialog->value())
        m_dialog->setValue(step);
    return !cancelled();
}

bool ProgressBox::cancelled() const
{
    return m_dialog && m_dialog->wasCanceled();
}
