#include "dialogs/FolderPickerWindow.h"

#include "app/Display.h"
#include "platform/PathSeparator.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

std::optional<std::string> FolderPickerWindow::pickFolder(const TFolderBrowser& browser)
{
    QDialog dialog(QWidget::find(static_cast<WId>(browser.OwnerWindow)));
    dialog.setObjectName(QStringLiteral("FolderPicker"));
    dialog.setWindowTitle(toDisplay(browser.Title));
    dialog.resize(320, 400);
    auto* layout = new QVBoxLayout(&dialog);
    auto* title = new QLabel(toDisplay(browser.Title), &dialog);
    title->setWordWrap(true);
    layout->addWidget(title);

    auto* model = new QFileSystemModel(&dialog);
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden
                     | (browser.IncludeFiles ? QDir::Files : QDir::Filters()));
    model->setRootPath(QDir::rootPath());
    auto* tree = new QTreeView(&dialog);
    tree->setObjectName(QStringLiteral("folderTree"));
    tree->setModel(model);
    tree->setHeaderHidden(true);
    for (int column = 1; column < model->columnCount(); ++column)
        tree->hideColumn(column);
    layout->addWidget(tree);

    auto* status = new QLabel(&dialog);
    status->setObjectName(QStringLiteral("statusText"));
    status->setVisible(browser.StatusText);
    layout->addWidget(status);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(browser.FileFilter.empty());
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    QObject::connect(tree->selectionModel(), &QItemSelectionModel::currentChanged, &dialog,
                     [&](const QModelIndex& current) {
                         if (!current.isValid() || browser.FileFilter.empty())
                             return;
                         const std::string path = fromDisplay(QDir::toNativeSeparators(model->filePath(current)));
                         status->setText(toDisplay(path));
                         ok->setEnabled(FolderHasFilterMatch(path, browser.FileFilter));
                     });

    if (!browser.InitialFolder.empty()) {
        const QModelIndex initial = model->index(toDisplay(browser.InitialFolder));
        tree->setCurrentIndex(initial);
        tree->scrollTo(initial);
    }
    if (browser.PositionSet)
        dialog.move(browser.Left, browser.Top);

    if (dialog.exec() != QDialog::Accepted || !tree->currentIndex().isValid())
        return std::nullopt;
    // A root keeps its closing separator, any other folder comes without one.
    std::string path = fromDisplay(QDir::toNativeSeparators(model->filePath(tree->currentIndex())));
    while (path.size() > 1 && path.back() == platform::kPathSeparator)
        path.pop_back();
    return path;
}
