// Install of 5000 selected maps of a collection as players have it, beside install all of the
// same maps: one run for both, so the selection costs nothing of its own.

#include "BenchForms.h"

#include "app/PathListView.h"
#include "app/Forms.h"
#include "app/Unit1.h"
#include "catalogue/MapNames.h"

#include <QApplication>
#include <QPushButton>

#include <algorithm>
#include <cstdio>

namespace {

/// One install in a fresh copy of the collection: all maps selected and installed, or install all.
/// False where not every map of the collection was published.
bool installOnce(bool selected, int maps, double& best)
{
    BenchProgramWorld world("true"); // move
    if (!makeCollection(world.newMaps, maps))
        return false;
    const std::size_t packages = countFilesBelow(world.newMaps, catalogue::kPackageExtension);
    QuietEnvironment env(world.program, world.documents, world.root.path());
    Forms forms(env);
    TForm1& form = *forms.Form1;
    form.show();
    QApplication::processEvents();
    if (selected)
        form.newFiles->selectAll(); // as Ctrl+A before the press
    best = std::min(best, bestMilliseconds(1, [&] { (selected ? form.Button1 : form.Button2)->click(); }));
    return form.newFiles->count() == 0 && form.ListBox2.size() == packages
        && countFilesBelow(world.published, catalogue::kPackageExtension) == packages;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int maps = benchSize(5000);
    bool allPublished = true;
    double selected = 1e300, all = 1e300;
    for (int round = 0; round < benchRounds(3); ++round) {
        allPublished = installOnce(false, maps, all) && allPublished;
        allPublished = installOnce(true, maps, selected) && allPublished;
    }
    reportRow("Install of " + grouped(maps) + " selected maps, collection, move", selected, "ms",
              "install all of them", all, "<= 1x");
    if (!allPublished)
        std::fprintf(stderr, "not every map of the collection was published\n");
    return allPublished ? 0 : 1;
}
