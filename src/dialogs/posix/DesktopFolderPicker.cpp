// The folder picker where there is no Windows shell: the desktop's own folder dialog.

#include "dialogs/SystemFolderPicker.h"

#include "app/Display.h"
#include "platform/PathSeparator.h"

#include <QApplication>
#include <QFileDialog>

namespace {

/// A folder dialog that accepts only a folder holding a match of the browser's filter.
class FolderDialog : public QFileDialog {
public:
    FolderDialog(QWidget* owner, const TFolderBrowser& browser, const std::string& start)
        : QFileDialog(owner, toDisplay(browser.Title), toDisplay(start)), m_filter(browser.FileFilter)
    {
        setObjectName(QStringLiteral("FolderPicker"));
        setFileMode(QFileDialog::Directory);
        setOption(QFileDialog::ShowDirsOnly, !browser.IncludeFiles);
        // Where the object asks what a desktop's dialog cannot do, Qt's own dialog serves.
        if (!m_filter.empty() || browser.PositionSet)
            setOption(QFileDialog::DontUseNativeDialog);
        if (browser.PositionSet)
            move(browser.Left, browser.Top);
    }

    /// The chosen folder; the folder shown when nothing in it was chosen.
    std::string chosen() const
    {
        const QStringList files = selectedFiles();
        return files.isEmpty() ? std::string() : fromDisplay(files.front());
    }

    void accept() override
    {
        if (!m_filter.empty() && !FolderHasFilterMatch(chosen(), m_filter)) {
            QApplication::beep();
            return;
        }
        QFileDialog::accept();
    }

private:
    std::string m_filter;
};

} // namespace

std::optional<std::string> SystemFolderPicker::pickFolder(const TFolderBrowser& browser)
{
    FolderDialog dialog(QWidget::find(static_cast<WId>(browser.OwnerWindow)), browser,
                        browser.InitialFolder.empty() ? m_desktopFolder : browser.InitialFolder);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // A root keeps its closing separator, any other folder comes without one.
    return platform::withoutClosingSeparator(dialog.chosen());
}
