// Install of 5000 selected maps of a collection as players have it, beside install all of the
// same maps: one run for both, so the selection costs nothing of its own.

#include "BenchForms.h"

#include "app/Controls.h"
#include "app/Forms.h"
#include "app/Unit1.h"

#include <QApplication>
#include <QPushButton>

#include <algorithm>
#include <filesystem>

namespace {

constexpr int kMaps = 5000;

/// One install in a fresh copy of the collection: all maps selected and installed, or install all.
double installOnce(bool selected, bool& allPublished)
{
    BenchProgramWorld world("true"); // move
    // The collection maker beside the project, as install all's benchmark finds it.
    std::string command = VSM_SHARED_DIR;
    command = "'" + command + "/tools/make-collection' '" + world.newMaps + "' --maps " + std::to_string(kMaps);
    if (shell(command) != 0)
        return -1;
    QuietEnvironment env(world.program, world.documents, world.root.path());
    Forms forms(env);
    TForm1& form = *forms.Form1;
    form.show();
    QApplication::processEvents();
    if (selected)
        form.newFiles->selectAll(); // as Ctrl+A before the press
    const double ms = bestMilliseconds(1, [&] { (selected ? form.Button1 : form.Button2)->click(); });
    allPublished = allPublished && form.newFiles->count() == 0 && form.ListBox2.size() == kMaps;
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool allPublished = true;
    double selected = 1e300, all = 1e300;
    for (int round = 0; round < 3; ++round) {
        all = std::min(all, installOnce(false, allPublished));
        selected = std::min(selected, installOnce(true, allPublished));
    }
    reportRow("Install of 5000 selected maps, collection, move", selected, "ms", "install all of them", all, "<= 1x");
    return allPublished && selected > 0 && all > 0 ? 0 : 1;
}
