// Install all of 1000 maps with INI and localisation files (move mode, one file system),
// beside a plain loop that renames the same 3000 files.

#include "BenchForms.h"

#include "app/Forms.h"
#include "app/Unit1.h"

#include <QApplication>
#include <QPushButton>

#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr int kMaps = 1000;

std::vector<std::string> putMaps(const BenchFolder& root, const std::string& folder)
{
    std::vector<std::string> names;
    for (int i = 0; i < kMaps; ++i) {
        const std::string base = "DM-Map" + std::to_string(i);
        for (const std::string& name : {base + ".vsm", base + ".ini", base + "_LOC_INT.vsp"}) {
            root.put(folder + "/" + name, 64);
            names.push_back(name);
        }
    }
    return names;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    BenchProgramWorld world("true");
    putMaps(world.root, "new");
    QuietEnvironment env(world.program, world.documents, world.root.path());
    Forms forms(env);
    TForm1& form = *forms.Form1;
    form.show();
    QApplication::processEvents();
    const double installAll = bestMilliseconds(1, [&] { form.Button2->click(); });
    const auto published = std::distance(std::filesystem::directory_iterator(world.published), {});

    BenchFolder plain;
    const auto names = putMaps(plain, "from");
    std::filesystem::create_directories(plain.path() + "/to");
    const double renames = bestMilliseconds(1, [&] {
        for (const auto& name : names)
            std::rename((plain.path() + "/from/" + name).c_str(), (plain.path() + "/to/" + name).c_str());
    });

    reportRow("Install all, 1000 maps with INI and localisation, move", installAll, "ms", "3000 renames", renames,
              "<= 1000 ms, <= 25x");
    return published == 3 * kMaps ? 0 : 1;
}
