// Install all of 1000 and 5000 maps with INI and localisation files (move mode, one file system),
// each beside the disk work it cannot leave out, measured on the same disk in the same round: a
// plain loop that renames the same files. The growth between the two sizes shows whether the
// run costs the maps it moves or more.

#include "BenchForms.h"

#include "app/Forms.h"
#include "app/Unit1.h"

#include <QApplication>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

std::vector<std::string> putMaps(const BenchFolder& root, const std::string& folder, int maps)
{
    std::vector<std::string> names;
    for (int i = 0; i < maps; ++i) {
        const std::string base = "DM-Map" + std::to_string(i);
        for (const std::string& name : {base + ".vsm", base + ".ini", base + "_LOC_INT.vsp"}) {
            root.put(folder + "/" + name, 64);
            names.push_back(name);
        }
    }
    return names;
}

/// One round in fresh folders: install all, then the renames, on the same disk.
struct Round {
    double installAll, renames;
    bool allPublished;
};

Round runRound(int maps)
{
    // Every file is made before anything is timed.
    BenchProgramWorld world("true");
    putMaps(world.root, "new", maps);
    BenchFolder plain;
    const auto names = putMaps(plain, "from", maps);
    const std::string from = plain.path() + "/from/", to = plain.path() + "/to/";
    std::filesystem::create_directories(to);

    QuietEnvironment env(world.program, world.documents, world.root.path());
    Forms forms(env);
    TForm1& form = *forms.Form1;
    form.show();
    QApplication::processEvents();
    Round round{};
    round.installAll = bestMilliseconds(1, [&] { form.Button2->click(); });
    round.allPublished = std::distance(std::filesystem::directory_iterator(world.published), {}) == 3 * maps;
    // As the published folder, the destination grows from empty.
    round.renames = bestMilliseconds(1, [&] {
        for (const auto& name : names)
            std::rename((from + name).c_str(), (to + name).c_str());
    });
    return round;
}

/// The best of `rounds` rounds of each figure, so that one slow moment of the disk decides none.
Round bestOf(int rounds, int maps)
{
    Round best{1e300, 1e300, true};
    for (int i = 0; i < rounds; ++i) {
        const Round round = runRound(maps);
        best = {std::min(best.installAll, round.installAll), std::min(best.renames, round.renames),
                best.allPublished && round.allPublished};
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const Round small = bestOf(3, 1000), large = bestOf(3, 5000);
    reportRow("Install all, 1000 maps with INI and localisation, move", small.installAll, "ms", "3000 renames",
              small.renames, "-");
    reportRow("Install all, 5000 maps with INI and localisation, move", large.installAll, "ms", "15000 renames",
              large.renames, "<= 10x");
    std::printf("| Install all, growth from 1000 to 5000 maps | N^%.2f | the renames: N^%.2f | | <= N^1.2 |\n",
                std::log(large.installAll / small.installAll) / std::log(5.0),
                std::log(large.renames / small.renames) / std::log(5.0));
    return small.allPublished && large.allPublished ? 0 : 1;
}
