#pragma once

#include <QString>
#include <Qt>

#include <cstdint>
#include <memory>

class QProgressDialog;
class QWidget;

/// The progress of a long piece of work on the window's thread: a dialog with a cancel button
/// that shows itself once the work will take more than a second (the import of maps, a run over
/// many maps). Window-modal, it keeps the user from the window meanwhile and takes the window's
/// events itself at each step; otherwise the work lets events run where it can take them.
class ProgressBox {
public:
    ProgressBox(QWidget* parent, QString cancel, Qt::WindowModality modality = Qt::WindowModal);
    ~ProgressBox();
    ProgressBox(const ProgressBox&) = delete;
    ProgressBox& operator=(const ProgressBox&) = delete;

    /// Shows `label` with `done` of `total`; false once the user has cancelled.
    bool show(const QString& label, std::uint64_t done, std::uint64_t total);
    /// True once the user has cancelled (also by a click the window's events brought since).
    bool cancelled() const;

private:
    static constexpr int kSteps = 1000;
    QWidget* m_parent;
    QString m_cancel;
    Qt::WindowModality m_modality;
    QString m_label;
    std::unique_ptr<QProgressDialog> m_dialog;
};
