// A full refresh (Button3Click) with 10 000 maps in each of the three folders, beside the
// finder alone over the same folders.

#include "BenchForms.h"

#include "app/PathListView.h"
#include "app/Forms.h"
#include "app/Unit1.h"
#include "catalogue/FileManagement.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchProgramWorld world;
    const char* types[] = {"DM", "CTF", "VCTF", "WAR"};
    const int maps = benchSize(10000);
    for (int i = 0; i < maps; ++i) {
        const std::string name = std::string(types[i % 4]) + "-Map" + std::to_string(i) + ".vsm";
        world.root.put("new/" + name);
        world.root.put("documents/My Games/Vesmar Arena/VSGame/Published/CookedPC/CustomMaps/" + name);
        world.root.put("documents/My Games/Vesmar Arena/VSGame/Unpublished/CookedPC/CustomMaps/" + name);
    }
    QuietEnvironment env(world.program, world.documents, world.root.path());
    Forms forms(env);
    TForm1& form = *forms.Form1;
    form.show();
    QApplication::processEvents();

    const double refresh = bestMilliseconds(5, [&] {
        form.Button3Click();
        QApplication::processEvents();
    });
    const double finder = bestMilliseconds(5, [&] {
        for (const auto& folder : {world.newMaps, world.published, world.unpublished}) {
            ResetFoundFiles();
            FindFiles(folder, "*.vsm", true);
        }
    });
    reportRow("Full refresh, 3 x " + grouped(maps) + " maps", refresh, "ms", "FindFiles alone", finder, "<= 1.2x");
    for (const PathListView* list : {form.newFiles, form.publishedFiles, form.unpublishedFiles}) {
        if (list->count() != maps)
            return 1;
    }
    return 0;
}
