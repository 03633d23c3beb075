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

/// Creates the four windows on the world at `root` and shows the main window until it is on screen;
/// the number of maps its three lists hold.
std::size_t startAndShow(const std::string& root)
{
    QuietEnvironment env(root + "/program", root + "/documents", root);
    Forms forms(env);
    forms.Form1->show();
    while (!forms.Form1->windowHandle() || !forms.Form1->windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return forms.Form1->ListBox1.size() + forms.Form1->ListBox2.size() + forms.Form1->ListBox3.size();
}

/// The timing of starts on `world`, which holds `maps` maps in each folder; false where a start
/// listed another number of them.
bool timeStarts(int runs, const BenchProgramWorld& world, int maps, double& milliseconds)
{
    bool listed = true;
    milliseconds = bestMilliseconds(runs, [&] {
        listed = startAndShow(world.root.path()) == 3 * static_cast<std::size_t>(maps) && listed;
    });
    return listed;
}

/// A whole program start in a child process: from fork to the shown window and the exit.
struct ChildRun {
    double milliseconds;
    double peakMiB;
    bool listed; ///< the three lists held the world's maps
};

ChildRun runChild(char* self, const BenchProgramWorld& world, int maps)
{
    const std::string worldRoot = world.root.path(), listed = std::to_string(3 * maps);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(self, self, "--child", worldRoot.c_str(), listed.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), usage.ru_maxrss / 1024.0, WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) {
        QApplication app(argc, argv);
        return startAndShow(argv[2]) == std::stoul(argv[3]) ? 0 : 1;
    }
    QApplication app(argc, argv);

    const int some = benchSize(10000), many = benchSize(100000);
    BenchProgramWorld empty, someMaps;
    putMaps(someMaps, some);
    bool listed = startAndShow(empty.root.path()) == 0; // warms fonts and pictures for both
    double emptyStart = 0, someStart = 0;
    listed = timeStarts(5, empty, 0, emptyStart) && listed;
    listed = timeStarts(5, someMaps, some, someStart) && listed;

    ChildRun emptyProcess{1e9, 0, true}, someProcess{1e9, 0, true};
    for (int i = 0; i < 3; ++i) {
        const ChildRun emptyRun = runChild(argv[0], empty, 0), someRun = runChild(argv[0], someMaps, some);
        emptyProcess = {std::min(emptyProcess.milliseconds, emptyRun.milliseconds), 0, emptyProcess.listed && emptyRun.listed};
        someProcess = {std::min(someProcess.milliseconds, someRun.milliseconds), 0, someProcess.listed && someRun.listed};
    }
    listed = listed && emptyProcess.listed && someProcess.listed;

    BenchProgramWorld manyMaps;
    putMaps(manyMaps, many);
    double manyStart = 0;
    listed = timeStarts(1, manyMaps, many, manyStart) && listed;
    const ChildRun emptyMemory = runChild(argv[0], empty, 0), manyMemory = runChild(argv[0], manyMaps, many);
    listed = listed && emptyMemory.listed && manyMemory.listed;
    // The bytes of the paths the three lists hold.
    double pathBytes = 0;
    for (const char* folder : {"/new/", "/documents/My Games/Vesmar Arena/VSGame/Published/CookedPC/CustomMaps/",
                               "/documents/My Games/Vesmar Arena/VSGame/Unpublished/CookedPC/CustomMaps/"})
        for (int i = 0; i < many; ++i)
            pathBytes += static_cast<double>(manyMaps.root.path().size() + std::strlen(folder) + mapName(i).size());

    const int someTypes = benchSize(1000), manyTypes = benchSize(3000);
    BenchProgramWorld someTypesWorld, manyTypesWorld;
    putGameTypes(someTypesWorld, someTypes);
    putGameTypes(manyTypesWorld, manyTypes);
    double someTypesStart = 0, manyTypesStart = 0;
    listed = timeStarts(3, someTypesWorld, 0, someTypesStart) && listed;
    listed = timeStarts(3, manyTypesWorld, 0, manyTypesStart) && listed;

    const std::string shown = "Start-up to the shown main window, ";
    reportRow(shown + grouped(someTypes) + " game types", someTypesStart, "ms", "4 game types", emptyStart, "-");
    reportRow(shown + grouped(manyTypes) + " game types", manyTypesStart, "ms", "4 game types", emptyStart,
              "<= 300 ms");
    reportRow(shown + "3 x " + grouped(some) + " maps", someStart, "ms", "empty folders", emptyStart, "<= 400 ms");
    reportRow("Whole process to the shown main window and exit, 3 x " + grouped(some) + " maps",
              someProcess.milliseconds, "ms", "empty folders", emptyProcess.milliseconds, "<= 400 ms");
    reportRow(shown + "3 x " + grouped(many) + " maps", manyStart, "ms", "empty folders", emptyStart, "<= 1500 ms");
    const std::string memory = "Peak memory, 3 x " + grouped(many) + " maps";
    reportRow(memory, manyMemory.peakMiB * 1.048576, "MB", "empty folders", emptyMemory.peakMiB * 1.048576,
              "<= 80 MB");
    reportRow(memory + ", against 1.5 x empty + the paths' bytes", manyMemory.peakMiB * 1.048576, "MB",
              "1.5 x empty + paths", (1.5 * emptyMemory.peakMiB * 1.048576 + pathBytes / 1e6), "<= 1.0x");
    if (!listed)
        std::fprintf(stderr, "a start listed another number of maps than its folders hold\n");
    return listed ? 0 : 1;
}
