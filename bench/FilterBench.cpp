// A keystroke in a list's filter with 3 x 100 000 maps listed, until the list is drawn again,
// beside a plain loop that matches the same names with the same words without regard to case,
// in the same run.

#include "BenchForms.h"

#include "app/PathListView.h"
#include "app/Forms.h"
#include "app/Unit1.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>

namespace {

/// Map names as a large collection has them: game types, words, numbers, a few in other scripts.
std::string mapName(int i)
{
    static const char* const types[] = {"DM", "CTF", "VCTF", "WAR", "BR"};
    static const char* const words[] = {"Face", "Deck", "Lava", "Morpheus", "Tank", "Hill", "Island",
                                        "Twin-Towers", "\xc5\x81\xc3\xb3\x64\xc5\xba", "\xd0\x9c\xd0\xbe\xd1\x81"};
    return std::string(types[i % 5]) + "-" + words[(i / 5) % 10] + std::to_string(i);
}

/// Puts `maps` paths into a list, as a reading of its folder would.
void fill(PathListView* view, TStringArray& paths, const std::string& folder, int maps)
{
    const PathListView::Rebuild rebuild(*view);
    paths.resize(static_cast<std::size_t>(maps));
    for (int i = 0; i < maps; ++i) {
        std::string tail(1, '/');
        tail.append(mapName(i)).append(".vsm");
        paths.set(static_cast<std::size_t>(i), folder, tail);
    }
}

/// Types `text` into `field` one key at a time; the slowest keystroke until the list is drawn, in ms.
double slowestKeystroke(QLineEdit* field, PathListView* list, const QString& text)
{
    double slowest = 0;
    for (const QChar c : text) {
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::processEvents();
        list->viewport()->repaint();
        slowest = std::max(slowest, timer.nsecsElapsed() / 1e6);
    }
    return slowest;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchProgramWorld world;
    QuietEnvironment env(world.program, world.documents, world.root.path());
    Forms forms(env);
    TForm1& form = *forms.Form1;
    form.CheckBox1->setChecked(true); // all three lists shown
    const int maps = benchSize(100000);
    fill(form.newFiles, form.ListBox1, world.newMaps, maps);
    fill(form.publishedFiles, form.ListBox2, world.published, maps);
    fill(form.unpublishedFiles, form.ListBox3, world.unpublished, maps);
    form.show();
    QApplication::processEvents();

    // The first keystroke after the lists were read, and the slowest of a whole search typed.
    const QString typed = QStringLiteral("face ctf");
    double first = 0, slowest = 0;
    for (int round = 0; round < 3; ++round) {
        form.newFilter->clear();
        fill(form.newFiles, form.ListBox1, world.newMaps, maps); // as read again: its names are made anew
        QApplication::processEvents();
        const double one = slowestKeystroke(form.newFilter, form.newFiles, typed.left(1));
        const double rest = slowestKeystroke(form.newFilter, form.newFiles, typed.mid(1));
        first = round == 0 ? one : std::min(first, one);
        slowest = round == 0 ? std::max(one, rest) : std::min(slowest, std::max(one, rest));
    }
    const int shown = form.newFiles->count();

    // The plain match: the same names, made beforehand, each compared without case with every
    // word typed. What it finds is what the list must show.
    QStringList names;
    for (int i = 0; i < maps; ++i)
        names.append(QString::fromStdString(mapName(i)));
    const QStringList words = typed.split(QLatin1Char(' '));
    int matched = 0;
    const double loop = bestMilliseconds(5, [&] {
        matched = 0;
        for (const QString& name : names)
            matched += std::all_of(words.begin(), words.end(), [&](const QString& word) {
                return name.contains(word, Qt::CaseInsensitive);
            }) ? 1 : 0;
    });
    const std::string lists = "Filter keystroke, 3 x " + grouped(maps) + " maps, ";
    reportRow(lists + "first after a reading", first, "ms", "case-insensitive match loop", loop, "<= 50 ms, <= 5x");
    reportRow(lists + "slowest of \"" + typed.toStdString() + "\"", slowest, "ms", "case-insensitive match loop",
              loop, "<= 50 ms, <= 5x");
    if (shown != matched || matched == 0) {
        std::fprintf(stderr, "the filter shows %d maps, the match loop finds %d\n", shown, matched);
        return 1;
    }
    return 0;
}
