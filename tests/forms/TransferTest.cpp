// Installing, copying and deleting maps.

#include "ArchiveMaker.h"
#include "app/TabControl.h"
#include "ChildProcess.h"
#include "FormsFixture.h"

#include "app/PathListView.h"
#include "app/Guard.h"
#include "app/Unit1.h"
#include "catalogue/FileManagement.h"
#include "operations/IniText.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <initializer_list>

namespace {

/// Files as a file manager offers them in a drag or on the clipboard.
QMimeData* filesData(const std::vector<std::string>& paths)
{
    QList<QUrl> urls;
    for (const std::string& path : paths)
        urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

/// Drags `paths` over `target` and drops them there, through Qt's own drag-and-drop events.
/// True when the window took the drag.
bool drop(QWidget* target, const std::vector<std::string>& paths)
{
    std::unique_ptr<QMimeData> data(filesData(paths));
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted() && dropped.dropAction() == Qt::CopyAction;
}

} // namespace

class TransferTest : public QObject {
    Q_OBJECT

private slots:
    void installTakesTheSelectedMapAsTheSettingsSay()
    {
        // Each row: the settings, the files before, what the user does, the files after.
        struct Row {
            const char* name;
            bool copy; ///< the copy option unchecked: install copies
            std::vector<std::pair<std::string, std::string>> newMaps; ///< file below the new-maps folder, bytes
            std::function<void(World&, TForm1&)> act;
            std::string newMapsAfter;   ///< listFolder of the new-maps folder (or its "sub")
            std::string publishedAfter; ///< listFolder of the published folder
            std::function<void(World&, TForm1&)> check = [](World&, TForm1&) {};
        };
        const auto install = [](World&, TForm1& form) {
            clickRow(form.newFiles, 0);
            click(form.Button1);
        };
        const std::vector<Row> rows = {
            {"a move takes the map and its companions from a subfolder", false,
             {{"sub/DM-Deck.vsm", "package"}, {"sub/DM-Deck.ini", "ini"}, {"sub/DM-Deck_LOC_int.vsp", "loc"}}, install,
             "", "DM-Deck.ini DM-Deck.vsm DM-Deck_LOC_INT.vsp",
             [](World& world, TForm1& form) {
                 QCOMPARE(readFile(world.published + native("/DM-Deck_LOC_INT.vsp")), std::string("loc"));
                 QCOMPARE(form.newFiles->count(), 0);
                 QCOMPARE(itemsOf(form.publishedFiles), QStringList{"DM-Deck"});
                 QVERIFY(form.shownMap().shows(world.newMaps + native("/sub/DM-Deck.vsm"))); // the panel still shows the map
                 QCOMPARE(form.SelectedMapPath, world.newMaps + native("/sub/DM-Deck.vsm"));
             }},
            {"only the companions recorded when the map was shown go along", true, {{"DM-Deck.vsm", "x"}},
             [](World& world, TForm1& form) {
                 clickRow(form.newFiles, 0);
                 World::put(world.newMaps + native("/DM-Deck.ini"), "late");
                 click(form.Button1);
             },
             "DM-Deck.ini DM-Deck.vsm", "DM-Deck.vsm"},
            {"without a selection: a beep, nothing rebuilt", false, {},
             [](World& world, TForm1& form) {
                 World::put(world.newMaps + native("/DM-Deck.vsm"));
                 click(form.Button1);
                 click(form.Button7);
             },
             "DM-Deck.vsm", "",
             [](World& world, TForm1& form) {
                 QCOMPARE(world.env->beeps, 2);
                 QCOMPARE(form.newFiles->count(), 0);
             }},
            {"without a published folder nothing is installed, nothing made", false, {{"DM-Deck.vsm", "x"}},
             [install](World& world, TForm1& form) {
                 std::filesystem::remove_all(world.documents + native("/My Games"));
                 install(world, form);
             },
             "DM-Deck.vsm", "",
             [](World& world, TForm1& form) {
                 QCOMPARE(form.newFiles->count(), 1);
                 QVERIFY(!std::filesystem::exists(world.documents + native("/My Games")));
                 QVERIFY(world.env->errors.isEmpty());
             }},
        };
        for (const Row& row : rows) {
            World world;
            if (row.copy)
                world.writeConfig({{7, "false"}});
            else
                world.writeConfig();
            for (const auto& [file, bytes] : row.newMaps)
                World::put(world.newMaps + native("/" + file), bytes);
            TForm1& form = *world.start().Form1;
            row.act(world, form);
            const bool inSub = !row.newMaps.empty() && row.newMaps.front().first.rfind("sub/", 0) == 0;
            QVERIFY2(listFolder(world.newMaps + (inSub ? native("/sub") : "")) == row.newMapsAfter, row.name);
            QVERIFY2(listFolder(world.published) == row.publishedAfter, row.name);
            row.check(world, form);
        }
    }

    void alreadyPublishedMapInBothModes()
    {
        World world;
        world.writeConfig({{7, "false"}}); // copy
        World::put(world.newMaps + native("/CTF-Face.vsm"), "new package");
        World::put(world.newMaps + native("/CTF-Face.ini"), "new ini");
        World::put(world.published + native("/CTF-Face.vsm"), "old");
        World::put(world.published + native("/CTF-Face.ini"), "old");
        TForm1& form = *world.start().Form1;
        clickRow(form.newFiles, 0);
        click(form.Button1);
        QCOMPARE(readFile(world.published + native("/CTF-Face.vsm")), std::string("new package"));
        QCOMPARE(readFile(world.published + native("/CTF-Face.ini")), std::string("new ini"));
        QCOMPARE(form.newFiles->count(), 1);

        // Move mode: nothing is replaced, the map stays new, no message.
        World::put(world.published + native("/CTF-Face.vsm"), "old");
        form.CheckBox2->setChecked(true);
        clickRow(form.newFiles, 0);
        click(form.Button1);
        QCOMPARE(readFile(world.published + native("/CTF-Face.vsm")), std::string("old"));
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.vsm")), std::string("new package"));
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("new ini"));
        QCOMPARE(itemsOf(form.newFiles), QStringList{"CTF-Face"});
        QVERIFY(world.env->errors.isEmpty());

        // The published files named in another case: a move fails, a copy replaces them under their names.
        std::filesystem::remove(world.published + native("/CTF-Face.vsm"));
        std::filesystem::remove(world.published + native("/CTF-Face.ini"));
        World::put(world.published + native("/ctf-face.vsm"), "old");
        World::put(world.published + native("/CTF-FACE.INI"), "old");
        clickRow(form.newFiles, 0);
        click(form.Button1);
        QCOMPARE(listFolder(world.published), std::string("CTF-FACE.INI ctf-face.vsm"));
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.vsm")), std::string("new package"));
        form.CheckBox2->setChecked(false);
        clickRow(form.newFiles, 0);
        click(form.Button1);
        QCOMPARE(listFolder(world.published), std::string("CTF-FACE.INI ctf-face.vsm"));
        QCOMPARE(readFile(world.published + native("/ctf-face.vsm")), std::string("new package"));
        QCOMPARE(readFile(world.published + native("/CTF-FACE.INI")), std::string("new ini"));
    }

    void installAllInBothModes()
    {
        for (const char* option : {"true", "false"}) {
            World world;
            world.writeConfig({{7, option}});
            for (const char* map : {"CTF-A", "DM-B", "WAR-C"}) {
                World::put(world.newMaps + native("/") + map + ".vsm", map);
                World::put(world.newMaps + native("/") + map + ".ini", map);
            }
            TForm1& form = *world.start().Form1;
            click(form.Button2);
            QCOMPARE(listFolder(world.published),
                     std::string("CTF-A.ini CTF-A.vsm DM-B.ini DM-B.vsm WAR-C.ini WAR-C.vsm"));
            QCOMPARE(form.newFiles->count(), std::string(option) == "true" ? 0 : 3);
            QCOMPARE(form.publishedFiles->count(), 3);
            QVERIFY(!form.shownMap().showsAny());
            QCOMPARE(form.newFiles->itemIndex(), -1);
            // The editor holds the INI of the last map shown, unchanged for a save.
            QCOMPARE(form.iniContent->toPlainText(), QStringLiteral("WAR-C"));
            QVERIFY(!form.iniContent->document()->isUndoAvailable());
        }
        World empty;
        empty.writeConfig();
        TForm1& form = *empty.start().Form1;
        runGuarded(*empty.env, [&] { form.showMapInfo(empty.newMaps + native("/gone.vsm")); }); // fills the title, then fails
        click(form.Button2);
        QVERIFY(!form.shownMap().showsAny());
    }

    void installAllSurvivesUsersBetweenPasses()
    {
        World world;
        world.writeConfig({{7, "false"}}); // copy: every map stays listed
        for (const char* map : {"CTF-A", "DM-B", "WAR-C", "DM-D", "BR-E", "DM-F"}) {
            World::put(world.newMaps + native("/") + map + ".vsm", map);
            World::put(world.newMaps + native("/") + map + ".ini", map);
        }
        TForm1& form = *world.start().Form1;
        form.show();
        int events = 0;
        QString editorInMapperMode;
        // Between passes: a second press, a tab change, a refresh, mapper mode and a list click.
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            switch (events++) {
            case 0: click(form.Button2); break;
            case 1: form.gameTypes->tabs()->setCurrentIndex(1); break;
            case 2: click(form.Button3); break;
            case 3:
                // The editor shown in the middle of the run shows the map of the panel.
                QTest::mouseClick(form.CheckBox1, Qt::LeftButton);
                editorInMapperMode = form.iniContent->toPlainText() + " " + form.Label4->text();
                break;
            default: clickRow(form.newFiles, 0);
            }
        });
        timer.start(0);
        click(form.Button2);
        timer.stop();
        QVERIFY(events >= 4);
        QVERIFY2(QStringList({"CTF-A A", "DM-B B", "WAR-C C", "DM-D D", "BR-E E", "DM-F F"}).contains(editorInMapperMode),
                 qPrintable(editorInMapperMode));
        QCOMPARE(world.env->beeps, 1); // the second press
        QVERIFY(world.env->errors.isEmpty());
        // What the run kept as drawn between its pictures draws itself again.
        for (QWidget* widget : std::initializer_list<QWidget*>{form.newFiles, form.Label13, form.publishedFiles,
                                                              form.Label14, form.Panel1, form.iniContent})
            QVERIFY2(widget->updatesEnabled(), qPrintable(widget->objectName()));
        for (const char* map : {"CTF-A", "DM-B", "WAR-C", "DM-D"})
            QCOMPARE(readFile(world.newMaps + native("/") + map + ".vsm"), std::string(map));
    }

    void installAllKeepsTheListsAReadingWouldGive()
    {
        // Several hundred maps, some in subfolders; while the run goes on another program adds,
        // renames and removes maps in both folders and makes new subfolders.
        World world;
        world.writeConfig(); // move
        for (int i = 0; i < 300; ++i)
            World::put(world.newMaps + native(i % 4 ? "/" : "/pack/") + "DM-Map" + std::to_string(i) + ".vsm");
        for (int i = 0; i < 40; ++i)
            World::put(world.published + native("/CTF-Old") + std::to_string(i) + ".vsm");
        TForm1& form = *world.start().Form1;
        const auto reading = [](const std::string& folder) { return findFiles(folder, "*.vsm", true); };
        // Where the notices come late (Windows), the lists are what a reading gives once the
        // run has caught up with them, at its end; elsewhere after every pass.
#ifdef _WIN32
        const bool everyPass = false;
#else
        const bool everyPass = true;
#endif
        int ticks = 0, compared = 0, pictures = 0, changes = 0;
        QString failure;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            ++ticks;
            if (failure.isEmpty() && everyPass) {
                ++compared;
                if (form.ListBox1 != reading(world.newMaps) || form.ListBox2 != reading(world.published))
                    failure = QStringLiteral("the lists differ from a reading after tick %1").arg(ticks);
                else if (form.newFiles->count() != static_cast<int>(form.ListBox1.size())
                         || form.publishedFiles->count() != static_cast<int>(form.ListBox2.size()))
                    failure = QStringLiteral("the views differ after tick %1").arg(ticks);
            }
            if (failure.isEmpty() && (form.newFiles->itemIndex() != -1 || form.publishedFiles->itemIndex() != -1))
                failure = QStringLiteral("a selection after tick %1").arg(ticks);
            // Each picture drawn tells the counts of the lists as kept.
            const auto count = [](std::size_t n) { return QStringLiteral("( %1 maps )").arg(n); };
            if (failure.isEmpty() && form.Label13->updatesEnabled()) {
                ++pictures;
                if (form.Label13->text() != count(form.ListBox1.size()) || form.Label14->text() != count(form.ListBox2.size()))
                    failure = QStringLiteral("the counts differ in the picture after tick %1").arg(ticks);
            }
            if (ticks % 5 == 0) {
                ChildProcess other(native("../file_mover"), {"change", world.newMaps, world.published, std::to_string(changes++)});
                if (other.wait() != 0)
                    failure = QStringLiteral("the other program failed");
            }
        });
        timer.start(0);
        form.Button2->click(); // (no events after the run: the other program's last change comes before its end)
        timer.stop();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        // (The timer has its turn after a pass, though a busy machine may let one go by.)
        QVERIFY2(ticks >= 100, qPrintable(QString::number(ticks) + " ticks, " + QString::number(form.ListBox2.size()) + " published"));
        QVERIFY(compared >= (everyPass ? ticks : 0));
        QVERIFY(pictures > 0);
        QVERIFY(changes >= 20);
        // At the end both lists are what a reading gives; the run made as many passes as there
        // were maps, also over maps the other program added.
        QVERIFY(form.ListBox1 == reading(world.newMaps));
        QVERIFY(form.ListBox2 == reading(world.published));
        QVERIFY(form.ListBox2.size() > 300);
        QVERIFY(world.env->errors.isEmpty());
        // The markers of the catch-up are gone.
        for (const std::string& folder : {world.newMaps, world.published}) {
            for (const FoundEntry& entry : everythingBelow(folder))
                QVERIFY2(entry.relative.find(".vsm-notices-") == std::string::npos, entry.relative.c_str());
        }
    }

    void severalSelectedMapsGoThroughOneRun()
    {
        // Each row: what the user selects and presses; the folders after. Every map has its INI.
        struct Row {
            const char* name;
            std::function<void(World&, TForm1&)> act;
            std::string newMapsAfter, publishedAfter, unpublishedAfter;
            QStringList questions;
        };
        const auto select = [](PathListView* list, std::initializer_list<int> rows) {
            bool first = true;
            for (const int row : rows) {
                clickRow(list, row, first ? Qt::NoModifier : Qt::ControlModifier);
                first = false;
            }
        };
        const std::vector<Row> rows = {
            {"install moves the selected new maps, and only them",
             [select](World&, TForm1& form) {
                 select(form.newFiles, {0, 2});
                 QCOMPARE(form.SelectionCount->text(), QStringLiteral("2 selected"));
                 QCOMPARE(form.SelectionSize->text(), QStringLiteral("0.00 MB"));
                 click(form.Button1);
             },
             "DM-B.ini DM-B.vsm", "CTF-A.ini CTF-A.vsm CTF-Old.ini CTF-Old.vsm DM-Gone.ini DM-Gone.vsm WAR-C.ini WAR-C.vsm",
             "CTF-U.ini CTF-U.vsm DM-V.ini DM-V.vsm", {}},
            {"Shift+click and a filter: the maps shown and selected",
             [select](World&, TForm1& form) {
                 form.newFilter->setText(QStringLiteral("-"));
                 clickRow(form.newFiles, 1);
                 clickRow(form.newFiles, 2, Qt::ShiftModifier);
                 form.newFilter->setText(QStringLiteral("war"));
                 click(form.Button1);
             },
             "CTF-A.ini CTF-A.vsm DM-B.ini DM-B.vsm", "CTF-Old.ini CTF-Old.vsm DM-Gone.ini DM-Gone.vsm WAR-C.ini WAR-C.vsm",
             "CTF-U.ini CTF-U.vsm DM-V.ini DM-V.vsm", {}},
            {"copy copies the selected unpublished maps",
             [select](World&, TForm1& form) {
                 select(form.unpublishedFiles, {0, 1});
                 click(form.Button7);
             },
             "CTF-A.ini CTF-A.vsm DM-B.ini DM-B.vsm WAR-C.ini WAR-C.vsm",
             "CTF-Old.ini CTF-Old.vsm CTF-U.ini CTF-U.vsm DM-Gone.ini DM-Gone.vsm DM-V.ini DM-V.vsm",
             "CTF-U.ini CTF-U.vsm DM-V.ini DM-V.vsm", {}},
            {"delete asks once with the count: No keeps them, Yes deletes them",
             [select](World& world, TForm1& form) {
                 world.env->answers = {false, true};
                 select(form.publishedFiles, {0, 1});
                 QTest::keyClick(form.publishedFiles, Qt::Key_Delete);
                 QCOMPARE(listFolder(world.published).size(), std::string("CTF-Old.ini CTF-Old.vsm DM-Gone.ini DM-Gone.vsm").size());
                 select(form.publishedFiles, {0, 1});
                 click(form.Button4);
             },
             "CTF-A.ini CTF-A.vsm DM-B.ini DM-B.vsm WAR-C.ini WAR-C.vsm", "", "CTF-U.ini CTF-U.vsm DM-V.ini DM-V.vsm",
             {"...!|Really delete 2 maps?", "...!|Really delete 2 maps?"}},
            {"a filtered selection deletes the map shown, with its companions",
             [](World& world, TForm1& form) {
                 world.env->answers = {true};
                 form.publishedFilter->setText(QStringLiteral("gone"));
                 clickRow(form.publishedFiles, 0);
                 click(form.Button4);
             },
             "CTF-A.ini CTF-A.vsm DM-B.ini DM-B.vsm WAR-C.ini WAR-C.vsm", "CTF-Old.ini CTF-Old.vsm",
             "CTF-U.ini CTF-U.vsm DM-V.ini DM-V.vsm", {"...!|Do you really want to delete the selected map?"}},
        };
        for (const Row& row : rows) {
            World world;
            world.writeConfig({{3, "mapper"}}); // install moves
            const auto put = [](const std::string& folder, const char* map) {
                World::put(folder + native("/") + map + ".vsm", map);
                World::put(folder + native("/") + map + ".ini", map);
            };
            for (const char* map : {"CTF-A", "DM-B", "WAR-C"})
                put(world.newMaps, map);
            for (const char* map : {"CTF-Old", "DM-Gone"})
                put(world.published, map);
            for (const char* map : {"CTF-U", "DM-V"})
                put(world.unpublished, map);
            TForm1& form = *world.start().Form1;
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            row.act(world, form);
            QVERIFY2(listFolder(world.newMaps) == row.newMapsAfter, row.name);
            QVERIFY2(listFolder(world.published) == row.publishedAfter, row.name);
            QVERIFY2(listFolder(world.unpublished) == row.unpublishedAfter, row.name);
            QCOMPARE(world.env->questions, row.questions);
            QCOMPARE(form.ListBox2.size(), row.publishedAfter.empty() ? std::size_t(0) : static_cast<std::size_t>(std::count(row.publishedAfter.begin(), row.publishedAfter.end(), ' ') + 1) / 2);
            QVERIFY(world.env->errors.isEmpty());
            QCOMPARE(world.env->beeps, 0);
        }
    }

    void installAllTakesTheMapsListedAtThePress()
    {
        // Copies: every map stays listed. A map that comes during the run is listed, not
        // installed; through a filter only the maps it shows at the press are installed.
        World world;
        world.writeConfig({{7, "false"}});
        for (const char* map : {"CTF-A", "DM-B", "DM-C", "WAR-D"})
            World::put(world.newMaps + native("/") + map + ".vsm", map);
        TForm1& form = *world.start().Form1;
        form.newFilter->setText(QStringLiteral("dm"));
        // Between the two maps: a map comes, then the user types another filter.
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (ticks++ == 0)
                World::put(world.newMaps + native("/DM-Late.vsm"), "late");
            else if (ticks == 2)
                form.newFilter->setText(QStringLiteral("d"));
        });
        timer.start(0);
        click(form.Button2);
        timer.stop();
        QVERIFY(ticks >= 2);
        QCOMPARE(listFolder(world.published), std::string("DM-B.vsm DM-C.vsm"));
        QCOMPARE(itemsOf(form.newFiles), (QStringList{"DM-B", "DM-C", "DM-Late", "WAR-D"}));
        QCOMPARE(form.Label13->text(), QStringLiteral("( 4 of 5 maps )"));
        QVERIFY(!form.shownMap().showsAny());
    }

    void cancelStopsBetweenTwoMaps()
    {
        World world;
        world.writeConfig(); // move
        constexpr int kMaps = 80;
        for (int i = 0; i < kMaps; ++i) {
            const std::string map = "DM-Map" + std::to_string(100 + i);
            World::put(world.newMaps + native("/" + map + ".vsm"), map);
            World::put(world.newMaps + native("/" + map + ".ini"), map);
        }
        TForm1& form = *world.start().Form1;
        form.show();
        // Each map takes a while; once the progress shows (a run that will take more than a
        // second), cancel is pressed.
        bool cancelled = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            QTest::qSleep(25);
            auto* progress = form.findChild<QProgressDialog*>();
            if (progress && progress->isVisible() && !cancelled) {
                cancelled = true;
                QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            }
        });
        timer.start(0);
        clickRow(form.newFiles, 0);
        clickRow(form.newFiles, kMaps - 1, Qt::ShiftModifier);
        click(form.Button1);
        timer.stop();
        QVERIFY(cancelled);
        const std::size_t installed = form.ListBox2.size();
        QVERIFY2(installed > 0 && installed < kMaps, qPrintable(QString::number(installed)));
        QCOMPARE(form.ListBox1.size() + installed, static_cast<std::size_t>(kMaps));
        // Every map whole in one place: its package and its INI file together.
        for (int i = 0; i < kMaps; ++i) {
            const std::string map = "DM-Map" + std::to_string(100 + i);
            const bool isNew = readFile(world.newMaps + native("/" + map + ".vsm")) == map;
            const std::string folder = isNew ? world.newMaps : world.published;
            QCOMPARE(readFile(folder + native("/" + map + ".ini")), map);
            QCOMPARE(readFile((isNew ? world.published : world.newMaps) + native("/" + map + ".vsm")), std::string("<missing>"));
        }
    }

    void takeOutAndInstallAgain()
    {
        // Each row: the published map's files, what the new-maps folder holds before; the
        // new-maps folder and its subfolder "taken out" after.
        struct Row {
            const char* name;
            std::vector<std::pair<std::string, std::string>> newMaps;
            std::string newMapsAfter, takenOutAfter;
            bool recycled;
        };
        const std::vector<Row> rows = {
            {"into the new-maps folder", {}, "CTF-Face.ini CTF-Face.vsm CTF-Face_LOC_INT.vsp", "", false},
            {"the same map there already (installed by copying): to the recycle bin",
             {{"CTF-Face.vsm", "package"}, {"CTF-Face.ini", "ini"}, {"CTF-Face_LOC_INT.vsp", "loc"}},
             "CTF-Face.ini CTF-Face.vsm CTF-Face_LOC_INT.vsp", "", true},
            {"the same map in a pack further down: to the recycle bin",
             {{"pack/CTF-Face.vsm", "package"}, {"pack/ctf-face.ini", "ini"}, {"pack/CTF-Face_LOC_INT.vsp", "loc"}},
             "pack", "", true},
            {"a different map of that name there: into a subfolder",
             {{"ctf-face.vsm", "another"}},
             "ctf-face.vsm taken out", "CTF-Face.ini CTF-Face.vsm CTF-Face_LOC_INT.vsp", false},
            {"only its INI file's name taken: into the subfolder, never split",
             {{"CTF-Face.ini", "stray"}},
             "CTF-Face.ini taken out", "CTF-Face.ini CTF-Face.vsm CTF-Face_LOC_INT.vsp", false},
        };
        for (const Row& row : rows) {
            World world;
            world.writeConfig(); // install moves
            World::put(world.published + native("/CTF-Face.vsm"), "package");
            World::put(world.published + native("/CTF-Face.ini"), "ini");
            World::put(world.published + native("/CTF-Face_LOC_INT.vsp"), "loc");
            World::put(world.published + native("/DM-Stays.vsm"), "stays");
            for (const auto& [file, bytes] : row.newMaps)
                World::put(world.newMaps + native("/" + file), bytes);
            TForm1& form = *world.start().Form1;
            QCOMPARE(form.Button10->text(), QStringLiteral("take out"));
            clickRow(form.publishedFiles, 0);
            click(form.Button10);
            QVERIFY2(listFolder(world.published) == "DM-Stays.vsm", row.name);
            QVERIFY2(listFolder(world.newMaps) == row.newMapsAfter, row.name);
            QVERIFY2(listFolder(world.newMaps + native("/taken out")) == row.takenOutAfter, row.name);
#ifndef _WIN32
            QVERIFY2(listFolder(world.trash) == (row.recycled ? "CTF-Face.ini CTF-Face.vsm CTF-Face_LOC_INT.vsp" : ""), row.name);
#endif
            QCOMPARE(itemsOf(form.publishedFiles), QStringList{"DM-Stays"});
            QVERIFY(itemsOf(form.newFiles).contains(QStringLiteral("CTF-Face")));

            // Installed again: byte for byte the files that were taken out.
            const std::vector<std::string> listed = form.ListBox1.toStrings();
            const std::string takenOut = row.recycled ? world.newMaps + native("/" + row.newMaps.front().first)
                : row.takenOutAfter.empty()           ? world.newMaps + native("/CTF-Face.vsm")
                                                      : world.newMaps + native("/taken out/CTF-Face.vsm");
            clickRow(form.newFiles, static_cast<int>(std::find(listed.begin(), listed.end(), takenOut) - listed.begin()));
            click(form.Button1);
            QVERIFY2(listFolder(world.published) == "CTF-Face.ini CTF-Face.vsm CTF-Face_LOC_INT.vsp DM-Stays.vsm", row.name);
            QCOMPARE(readFile(world.published + native("/CTF-Face.vsm")), std::string("package"));
            QCOMPARE(readFile(world.published + native("/CTF-Face.ini")), std::string("ini"));
            QCOMPARE(readFile(world.published + native("/CTF-Face_LOC_INT.vsp")), std::string("loc"));
            QVERIFY(world.env->errors.isEmpty());
        }

        // No new-maps folder: a beep, nothing moves.
        World world;
        world.writeConfig({{5, world.root / "gone"}});
        World::put(world.published + native("/CTF-Face.vsm"), "package");
        TForm1& form = *world.start().Form1;
        clickRow(form.publishedFiles, 0);
        click(form.Button10);
        QCOMPARE(world.env->beeps, 1);
        QCOMPARE(listFolder(world.published), std::string("CTF-Face.vsm"));
    }

    void copyFromTheUnpublishedList()
    {
        World world;
        world.writeConfig({{3, "mapper"}}); // the copy option says move: ignored here
        World::put(world.unpublished + native("/CTF-Work.vsm"), "work");
        World::put(world.unpublished + native("/CTF-Work_LOC_INT.vsp"), "loc");
        World::put(world.published + native("/CTF-Work.vsm"), "older");
        TForm1& form = *world.start().Form1;
        clickRow(form.unpublishedFiles, 0);
        click(form.Button7);
        QCOMPARE(readFile(world.published + native("/CTF-Work.vsm")), std::string("work"));
        QCOMPARE(readFile(world.published + native("/CTF-Work_LOC_INT.vsp")), std::string("loc"));
        QCOMPARE(readFile(world.unpublished + native("/CTF-Work.vsm")), std::string("work"));
        QCOMPARE(form.unpublishedFiles->itemIndex(), 0); // not rebuilt
        QCOMPARE(itemsOf(form.publishedFiles), QStringList{"CTF-Work"});
    }

    void deleteAskedNoThenYes()
    {
        World world;
        world.writeConfig();
        World::put(world.published + native("/DM-Deck.vsm"));
        World::put(world.published + native("/DM-Deck.ini"));
        World::put(world.published + native("/DM-Deck_LOC_int.vsp"));
        World::put(world.published + native("/DM-Other.vsm"));
        TForm1& form = *world.start().Form1;
        clickRow(form.publishedFiles, 0);
        world.env->answers = {false, true};
        click(form.Button4);
        QCOMPARE(world.env->questions, QStringList{"...!|Do you really want to delete the selected map?"});
        QCOMPARE(form.publishedFiles->itemIndex(), -1);
        QCOMPARE(form.publishedFiles->count(), 2);
        QCOMPARE(form.Label4->text(), QStringLiteral("Deck"));

        clickRow(form.publishedFiles, 0);
        click(form.Button4);
        QCOMPARE(listFolder(world.published), std::string("DM-Other.vsm"));
#ifndef _WIN32
        // Into the trash, from where the user can bring them back.
        QCOMPARE(listFolder(world.trash), std::string("DM-Deck.ini DM-Deck.vsm DM-Deck_LOC_int.vsp"));
#endif
        QCOMPARE(itemsOf(form.publishedFiles), QStringList{"DM-Other"});
        QCOMPARE(form.Label4->text(), QStringLiteral("Deck"));

        click(form.Button4); // nothing selected
        QCOMPARE(world.env->beeps, 1);
        QCOMPARE(world.env->questions.size(), 2);
    }

    void mapsNamedInAnyScriptOrDeepDownGoEveryWay()
    {
        struct Row {
            std::string map;    ///< base name, UTF-8
            std::string folder; ///< below the new-maps folder
        };
        const std::vector<Row> rows = {
            {"DM-\u0141\u00f3d\u017a", ""},                          // Polish
            {"CTF-\u041c\u043e\u0441\u043a\u0432\u0430", ""},           // Cyrillic
            {"DM-\u65e5\u672c", ""},                                  // Japanese
            {"DM-Deep", std::string(90, 'a') + "/" + std::string(90, 'b') + "/" + std::string(90, 'c')},
        };
        for (const Row& row : rows) {
            const QString shown = QString::fromStdString(row.map);
            World world;
            world.writeConfig({{3, "mapper"}, {7, "false"}}); // install copies
            const std::string folder = world.newMaps + native(row.folder.empty() ? "" : "/" + row.folder);
            const std::string map = folder + native("/" + row.map + ".vsm");
            World::put(map, "package");
            World::put(folder + native("/" + row.map + "-Moved.vsm"), "moved");
            World::put(world.unpublished + native("/" + row.map + "-Work.vsm"), "work");
            if (row.folder.empty())
                QVERIFY(map.size() < 260);
            else
                QVERIFY(map.size() > 300);
            TForm1& form = *world.start().Form1;
            // ("-" sorts before ".": the longer names come first.)
            QCOMPARE(itemsOf(form.newFiles), (QStringList{shown + "-Moved", shown}));
            QCOMPARE(itemsOf(form.unpublishedFiles), QStringList{shown + "-Work"});

            // Shown, its INI made from the template, edited and saved; read back as it was typed.
            clickRow(form.newFiles, 1);
            QCOMPARE(form.FullMapPath->text(), toDisplay(folder + native("/" + row.map)));
            QTest::mouseClick(form.iniedit, Qt::LeftButton);
            const std::string ini = folder + native("/" + row.map + ".ini");
            QVERIFY2(operations::IniText::fromFile(readFile(ini)).text().find("\r\nMapName=" + row.map + "\r\n")
                         != std::string::npos, row.map.c_str());
            form.iniContent->setPlainText("MapName=" + shown + "\nDescription=" + shown + "\n");
            click(form.Button5);
            QCOMPARE(operations::IniText::fromFile(readFile(ini)).text(), "MapName=" + row.map + "\r\nDescription=" + row.map + "\r\n");

            // Installed as a copy, then as a move; copied from the unpublished maps.
            click(form.Button1);
            QCOMPARE(readFile(world.published + native("/" + row.map + ".vsm")), std::string("package"));
            QCOMPARE(readFile(map), std::string("package"));
            form.CheckBox2->click();
            clickRow(form.newFiles, 0);
            click(form.Button1);
            QCOMPARE(readFile(world.published + native("/" + row.map + "-Moved.vsm")), std::string("moved"));
            QCOMPARE(itemsOf(form.newFiles), QStringList{shown});
            clickRow(form.unpublishedFiles, 0);
            click(form.Button7);
            QCOMPARE(itemsOf(form.publishedFiles), (QStringList{shown + "-Moved", shown + "-Work", shown}));

            // Deleted into the recycle bin with its INI file; the others stay.
            clickRow(form.publishedFiles, 2);
            world.env->answers = {true};
            click(form.Button4);
            QCOMPARE(itemsOf(form.publishedFiles), (QStringList{shown + "-Moved", shown + "-Work"}));
            QCOMPARE(readFile(world.published + native("/" + row.map + ".ini")), std::string("<missing>"));
#ifndef _WIN32
            QCOMPARE(listFolder(world.trash), row.map + ".ini " + row.map + ".vsm");
#endif

            // Taken from a zip and a 7z of that name (both keep names in Unicode).
            const std::string downloads = world.root.makeFolder("browser");
            writeArchive(downloads + native("/" + row.map + ".zip"), "zip", {{row.map + "-Zip.vsm", "zip"}});
            writeArchive(downloads + native("/" + row.map + ".7z"), "7z", {{row.map + "-7z.vsm", "7z"}});
            QVERIFY(drop(form.Panel2, {downloads + native("/" + row.map + ".zip"), downloads + native("/" + row.map + ".7z")}));
            QTRY_COMPARE(world.env->messages.size(), 1);
            QCOMPARE(world.env->messages[0], "2 maps added: " + shown + "-Zip, " + shown + "-7z");
            QCOMPARE(readFile(world.newMaps + native("/" + row.map + "/" + row.map + "-Zip.vsm")), std::string("zip"));
            QCOMPARE(readFile(world.newMaps + native("/" + row.map + " (2)/" + row.map + "-7z.vsm")), std::string("7z"));
            QVERIFY(world.env->errors.isEmpty());
        }
    }

    void dropOrPasteAddsMapsFromArchivesAndReports()
    {
        World world;
        world.writeConfig();
        const std::string downloads = world.root.makeFolder("browser");
        writeArchive(downloads + native("/DM-Pack.zip"), "zip",
                     {{"DM-Pack/DM-Zipped.vsm", "zipped"}, {"DM-Pack/readme.txt", "read me"}, {"../DM-Escape.vsm", "x"}});
        const std::string loose = World::put(downloads + native("/CTF-Loose.vsm"), "loose");
        TForm1& form = *world.start().Form1;
        form.gameTypes->tabs()->setCurrentIndex(1); // the DM tab's mask holds for the rebuilt list

        // The drop returns before anything is added: the program it came from goes on.
        QVERIFY(drop(form.Panel2, {downloads + native("/DM-Pack.zip"), loose}));
        QCOMPARE(listFolder(world.newMaps), std::string());
        QTRY_COMPARE(world.env->messages.size(), 1);
        QCOMPARE(world.env->messages, QStringList{"2 maps added: DM-Zipped, CTF-Loose\n\nSkipped:\n"
                                                  "DM-Pack.zip: ../DM-Escape.vsm: its path leads out of its folder"});
        QCOMPARE(itemsOf(form.newFiles), QStringList{"DM-Zipped"});
        QCOMPARE(listFolder(world.newMaps), std::string("CTF-Loose.vsm DM-Pack"));
        QCOMPARE(listFolder(downloads), std::string("CTF-Loose.vsm DM-Pack.zip"));

        // Ctrl+V with files a file manager copied; a second time the pack is there already (the
        // report says where) and the loose map's name is taken.
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QApplication::clipboard()->setMimeData(filesData({downloads + native("/DM-Pack.zip"), loose}));
        QTest::keyClick(&form, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(world.env->messages.size(), 2);
        QCOMPARE(world.env->messages.last(), QStringLiteral("0 maps added\n\nSkipped:\n"
                                                          "DM-Pack.zip: ../DM-Escape.vsm: its path leads out of its folder\n"
                                                          "DM-Pack.zip: already there, in ")
                                                 + QString::fromStdString(world.newMaps + native("/DM-Pack/DM-Pack/"))
                                                 + QStringLiteral("\nCTF-Loose.vsm: a file of that name exists already"));
        QCOMPARE(listFolder(world.newMaps), std::string("CTF-Loose.vsm DM-Pack"));
        QCOMPARE(itemsOf(form.newFiles), QStringList{"DM-Zipped"});

        // A pack of many hostile entries: the box shows the first 20 and counts the rest; all
        // of them are behind its details button.
        std::vector<ArchiveEntry> hostile;
        for (int i = 0; i < 50; ++i)
            hostile.emplace_back("../DM-" + std::to_string(100 + i) + ".vsm", "x");
        hostile.emplace_back("DM-Kept.vsm", "kept");
        writeArchive(downloads + native("/DM-Many.zip"), "zip", hostile);
        QVERIFY(drop(form.Panel2, {downloads + native("/DM-Many.zip")}));
        QTRY_COMPARE(world.env->messages.size(), 3);
        const QStringList shown = world.env->messages.last().split(QLatin1Char('\n'));
        QCOMPARE(shown.size(), 2 + 1 + 20 + 1);
        QCOMPARE(shown[3], QStringLiteral("DM-Many.zip: ../DM-100.vsm: its path leads out of its folder"));
        QCOMPARE(shown.last(), QStringLiteral("\u2026 and 30 more"));
        const QStringList details = world.env->messageDetails.last().split(QLatin1Char('\n'));
        QVERIFY(details.contains(QStringLiteral("DM-Kept")));
        QVERIFY(details.contains(QStringLiteral("DM-Many.zip: ../DM-149.vsm: its path leads out of its folder")));

#ifndef _WIN32
        // Each part of a reported name shown by itself: a Latin-1 entry name garbles neither
        // the UTF-8 name of its archive nor itself.
        writeArchive(downloads + native("/DM-\xc3\x9cmlaut.tar"), "tar",
                     {{"\xd6lf\xe4sser", "", ArchiveEntry::Kind::Symlink, "x"}, {"DM-Tarred.vsm", "tarred"}});
        QVERIFY(drop(form.Panel2, {downloads + native("/DM-\xc3\x9cmlaut.tar")}));
        QTRY_COMPARE(world.env->messages.size(), 4);
        QVERIFY2(world.env->messages.last().endsWith(QStringLiteral("DM-\u00dcmlaut.tar: \u00d6lf\u00e4sser: a link")),
                 qPrintable(world.env->messages.last()));
        world.env->messages.removeLast();
        std::filesystem::remove(downloads + native("/DM-\xc3\x9cmlaut.tar"));
#endif

        // Nothing on the clipboard but text: a beep. No new-maps folder: an error, nothing changes.
        QApplication::clipboard()->setText(QStringLiteral("DM-Pack.zip"));
        QTest::keyClick(&form, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(world.env->beeps, 1);
        form.NewMapsFolder = world.root.path() + native("/gone");
        QVERIFY(drop(&form, {loose}));
        QTRY_COMPARE(world.env->errors.size(), 1);
        QCOMPARE(world.env->errors, QStringList{"The folder for new maps does not exist: " + QString::fromStdString(form.NewMapsFolder)});
        QCOMPARE(world.env->messages.size(), 3);
        QCOMPARE(listFolder(downloads), std::string("CTF-Loose.vsm DM-Many.zip DM-Pack.zip"));
    }
};

QTEST_MAIN(TransferTest)
#include "TransferTest.moc"
