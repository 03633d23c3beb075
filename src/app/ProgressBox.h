#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QProgressDialog;
class QWidget;

/// The progress of a long piece of work on the window's thread: a window-modal dialog with a
/// cancel button that shows itself once the work has taken a second (the import of maps, a run
/// over many maps).
class ProgressBox {
public:
    ProgressBox(QWidget* parent, QString cancel);
    ~ProgressBox();
    ProgressBox(const ProgressBox&) = delete;
    ProgressBox& operator=(const ProgressBox&) = delete;

    /// Shows `label` with `done` of `total`; false once the user has cancelled.
    bool show(const QString& label, std::uint64_t done, std::uint64_t total);

private:
    static constexpr int kSteps = 1000;
    QWidget* m_parent;
    QString m_cancel;
    QString m_label;
    std::unique_ptr<QProgressDialog> m_dialog;
};
