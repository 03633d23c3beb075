// The Windows program's side of the Windows benchmark (scripts/bench-windows), on a world the
// script made with make-collection; the bare Win32 calls of the same work are its baseline:
//   bench_windows install-all ROOT LANGUAGE_FILE move|copy   install all, through the window
//   bench_windows startup ROOT LANGUAGE_FILE                  until the main window is shown
// ROOT holds the new maps in new/ and the game's folders in documents/; the program folder is
// made in program/. Prints the milliseconds and, for install all, the files published after.
// Qt's own options come first ("-platform offscreen" for no window).

#include "ProgramFolders.h"
#include "QuietEnvironment.h"

#include "app/Forms.h"
#include "app/Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QWindow>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::size_t filesBelow(const std::string& folder)
{
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::filesystem::u8path(folder)))
        files += entry.is_regular_file() ? 1 : 0;
    return files;
}

void showAndWait(TForm1& form)
{
    form.show();
    while (!form.windowHandle() || !form.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const bool install = arguments.size() == 5 && arguments[1] == "install-all";
    if (!install && !(arguments.size() == 4 && arguments[1] == "startup")) {
        std::fprintf(stderr, "usage: bench_windows install-all ROOT LANGUAGE_FILE move|copy, or startup ROOT LANGUAGE_FILE\n");
        return 2;
    }
    const std::string root = arguments[2].toStdString();
    const ProgramFolders world = makeProgramFolders(root, arguments[3].toStdString(),
                                                    install && arguments[4] == "move" ? "true" : "false");
    QuietEnvironment env(world.program, world.documents, root);
    QElapsedTimer timer;
    timer.start();
    Forms forms(env);
    TForm1& form = *forms.Form1;
    showAndWait(form);
    if (!install) {
        std::printf("%.1f ms\n", timer.nsecsElapsed() / 1e6);
        return 0;
    }
    timer.restart();
    form.Button2->click();
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    std::printf("%.1f ms %zu files\n", milliseconds, filesBelow(world.published));
    return 0;
}
