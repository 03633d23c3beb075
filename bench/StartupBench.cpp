// Start-up to the first shown main window with 10 000 and 100 000 maps in each folder, and the
// peak memory of a start with 100 000 maps in each folder; each beside the same with empty folders.
// The peak memory is measured in a child process that only starts the program's windows.

#include "BenchForms.h"

#include "app/Forms.h"
#include "app/Unit1.h"
#include "settings/LineList.h"

#include <QApplication>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const kTypes[] = {"DM", "CTF", "VCTF", "WAR"};

std::string mapName(int i)
{
    return std::string(kTypes[i % 4]) + "-Map" + std::to_string(i) + ".vsm";
}

/// The settings of `world` with `count` game types after the four of the defaults.
void putGameTypes(const BenchProgramWorld& world, int count)
{
    LineList config = settings::loadLineList(world.program + "/config.ini");
    for (int i = 0; i < count; ++i)
        config.push_back(std::string("T").append(std::to_string(i)));
    settings::saveLineList(world.program + "/config.ini", config);
}

void putMaps(const BenchProgramWorld& world, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::string name = mapName(i);
        for (const std::string& folder : {std::string("new/"), std::string("documents/My Games/Vesmar Arena/VSGame/Published/CookedPC/CustomMaps/"),
                                          std::string("documents/My Games/Vesmar Arena/VSGame/Unpublished/CookedPC/CustomMaps/")})
            world.root.put(folder + name, 0);
    }
}

/// Creates the four windows on the world at `root` and shows the main window until it is on screen.
void startAndShow(const std::string& root)
{
    QuietEnvironment env(root + "/program", root + "/documents", root);
    Forms forms(env);
    forms.Form1->show();
    while (!forms.Form1->windowHandle() || !forms.Form1->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

/// A whole program start in a child process: from fork to the shown window and the exit.
struct ChildRun {
    double milliseconds;
    double peakMiB;
};

ChildRun runChild(char* self, const std::string& worldRoot)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(self, self, "--child", worldRoot.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), usage.ru_maxrss / 1024.0};
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        QApplication app(argc, argv);
        startAndShow(argv[2]);
        return 0;
    }
    QApplication app(argc, argv);

    BenchProgramWorld empty, tenThousand;
    putMaps(tenThousand, 10000);
    startAndShow(empty.root.path()); // warms fonts and pictures for both
    const double emptyStart = bestMilliseconds(5, [&] { startAndShow(empty.root.path()); });
    const double fullStart = bestMilliseconds(5, [&] { startAndShow(tenThousand.root.path()); });

    ChildRun emptyProcess{1e9, 0}, fullProcess{1e9, 0};
    for (int i = 0; i < 3; ++i) {
        emptyProcess.milliseconds = std::min(emptyProcess.milliseconds, runChild(argv[0], empty.root.path()).milliseconds);
        fullProcess.milliseconds = std::min(fullProcess.milliseconds, runChild(argv[0], tenThousand.root.path()).milliseconds);
    }

    BenchProgramWorld hundredThousand;
    putMaps(hundredThousand, 100000);
    const double hundredThousandStart = bestMilliseconds(1, [&] { startAndShow(hundredThousand.root.path()); });
    const double emptyMemory = runChild(argv[0], empty.root.path()).peakMiB;
    const double fullMemory = runChild(argv[0], hundredThousand.root.path()).peakMiB;
    // The bytes of the paths the three lists hold.
    double pathBytes = 0;
    for (const char* folder : {"/new/", "/documents/My Games/Vesmar Arena/VSGame/Published/CookedPC/CustomMaps/",
                               "/documents/My Games/Vesmar Arena/VSGame/Unpublished/CookedPC/CustomMaps/"})
        for (int i = 0; i < 100000; ++i)
            pathBytes += static_cast<double>(hundredThousand.root.path().size() + std::strlen(folder) + mapName(i).size());

    BenchProgramWorld thousandTypes, threeThousandTypes;
    putGameTypes(thousandTypes, 1000);
    putGameTypes(threeThousandTypes, 3000);
    const double thousandTypesStart = bestMilliseconds(3, [&] { startAndShow(thousandTypes.root.path()); });
    const double threeThousandTypesStart = bestMilliseconds(3, [&] { startAndShow(threeThousandTypes.root.path()); });

    reportRow("Start-up to the shown main window, 1 000 game types", thousandTypesStart, "ms", "4 game types",
              emptyStart, "-");
    reportRow("Start-up to the shown main window, 3 000 game types", threeThousandTypesStart, "ms", "4 game types",
              emptyStart, "<= 300 ms");
    reportRow("Start-up to the shown main window, 3 x 10 000 maps", fullStart, "ms", "empty folders", emptyStart,
              "<= 400 ms");
    reportRow("Whole process to the shown main window and exit, 3 x 10 000 maps", fullProcess.milliseconds, "ms",
              "empty folders", emptyProcess.milliseconds, "<= 400 ms");
    reportRow("Start-up to the shown main window, 3 x 100 000 maps", hundredThousandStart, "ms", "empty folders",
              emptyStart, "<= 1500 ms");
    reportRow("Peak memory, 3 x 100 000 maps", fullMemory * 1.048576, "MB", "empty folders", emptyMemory * 1.048576,
              "<= 80 MB");
    reportRow("Peak memory, 3 x 100 000 maps, against 1.5 x empty + the paths' bytes", fullMemory * 1.048576, "MB",
              "1.5 x empty + paths", (1.5 * emptyMemory * 1.048576 + pathBytes / 1e6), "<= 1.0x");
    return 0;
}
