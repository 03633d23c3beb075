// The three map lists and the details panel.

#include "FormsFixture.h"

#include <filesystem>
#include <functional>

#include "app/TabControl.h"
#include "app/Design.h"
#include "app/StatusIcon.h"
#include "app/PathListView.h"
#include "app/Guard.h"
#include "app/Unit1.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTabBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

bool lit(StatusIcon* icon, QLabel* caption)
{
    return icon->alpha() == 255 && textColour(caption) == colours::black;
}

bool faded(StatusIcon* icon, QLabel* caption)
{
    return icon->alpha() == 40 && textColour(caption) == colours::silver;
}

} // namespace

class MapListsTest : public QObject {
    Q_OBJECT

private slots:
    void listsPairsCountsAndSubfolders()
    {
        World world;
        world.writeConfig({{7, "false"}});
        World::put(world.newMaps + native("/DM-Deck.vsm"));
        World::put(world.newMaps + native("/a/CTF-Twin.vsm"), "first");
        World::put(world.newMaps + native("/b/CTF-Twin.vsm"), "second!");
        World::put(world.newMaps + native("/readme.txt"));
        World::put(world.published + native("/WAR-Hill.vsm"));
        TForm1& form = *world.start().Form1;
        QCOMPARE(itemsOf(form.newFiles), (QStringList{"CTF-Twin", "CTF-Twin", "DM-Deck"}));
        QCOMPARE(form.ListBox1.toStrings(), (std::vector<std::string>{world.newMaps + native("/a/CTF-Twin.vsm"),
                                                          world.newMaps + native("/b/CTF-Twin.vsm"), world.newMaps + native("/DM-Deck.vsm")}));
        QCOMPARE(form.Label13->text(), QStringLiteral("( 3 maps )"));
        QCOMPARE(form.Label14->text(), QStringLiteral("( 1 map )"));
        QCOMPARE(form.Label15->text(), QStringLiteral("( 0 maps )"));

        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        clickRow(form.newFiles, 1);
        QCOMPARE(form.SelectedMapPath, world.newMaps + native("/b/CTF-Twin.vsm"));
        QCOMPARE(form.Label11->text(), QStringLiteral("0.00 MB"));
        clickRow(form.publishedFiles, 0);
        QCOMPARE(form.newFiles->itemIndex(), -1);
        QCOMPARE(form.SelectedMapPath, world.published + native("/WAR-Hill.vsm"));
        // Keyboard: down in the new maps list selects and shows.
        form.newFiles->setFocus();
        clickRow(form.newFiles, 0);
        QTest::keyClick(form.newFiles, Qt::Key_Down);
        QCOMPARE(form.newFiles->itemIndex(), 1);
        QCOMPARE(form.publishedFiles->itemIndex(), -1);
        QCOMPARE(form.SelectedMapPath, world.newMaps + native("/b/CTF-Twin.vsm"));
        // The rows follow one another without gaps or overlaps, each a line of text high.
        const QRect first = form.newFiles->visualRect(form.newFiles->model()->index(0, 0));
        const QRect third = form.newFiles->visualRect(form.newFiles->model()->index(2, 0));
        QCOMPARE(third.top(), first.top() + 2 * first.height());
        QVERIFY(first.height() >= form.newFiles->fontMetrics().height());
        QCOMPARE(form.newFiles->indexAt(third.center()).row(), 2);

        form.refreshFileList(static_cast<TForm1::ListKind>(4));
        QCOMPARE(form.newFiles->count(), 3);
        form.Button3Click();
        QVERIFY(!form.shownMap().showsAny());
        QCOMPARE(form.newFiles->itemIndex(), -1);
        QCOMPARE(form.SelectedMapPath, world.newMaps + native("/b/CTF-Twin.vsm"));
    }

    void filtersNarrowTheListsWithTheGameTypeTabs()
    {
        World world;
        world.writeConfig();
        for (const char* map : {"CTF-Face", "DM-Face-Off", "CTF-Lava", "sub/ctf-FACELESS", "DM-Deck"})
            World::put(world.newMaps + native("/") + map + ".vsm");
        World::put(world.published + native("/CTF-Face.vsm"));
        TForm1& form = *world.start().Form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        // Every word, in any order and case; the count says how many of how many.
        QTest::keyClicks(form.newFilter, "face ctf");
        QCOMPARE(itemsOf(form.newFiles), (QStringList{"ctf-FACELESS", "CTF-Face"})); // subfolders first, as the finder lists
        QCOMPARE(form.Label13->text(), QStringLiteral("( 2 of 5 maps )"));
        QCOMPARE(form.Label14->text(), QStringLiteral("( 1 map )")); // each list has its own filter
        clickRow(form.newFiles, 0);
        QCOMPARE(form.SelectedMapPath, world.newMaps + native("/sub/ctf-FACELESS.vsm"));

        // With a game-type tab, and through a refresh: the filter stays.
        form.gameTypes->tabs()->setCurrentIndex(1); // DM
        QCOMPARE(itemsOf(form.newFiles), QStringList());
        QCOMPARE(form.Label13->text(), QStringLiteral("( 0 of 2 maps )"));
        form.newFilter->setText(QStringLiteral("FACE"));
        QCOMPARE(itemsOf(form.newFiles), QStringList{"DM-Face-Off"});
        form.gameTypes->tabs()->setCurrentIndex(0);
        QTest::keyClick(&form, Qt::Key_F5);
        QCOMPARE(itemsOf(form.newFiles), (QStringList{"ctf-FACELESS", "CTF-Face", "DM-Face-Off"}));
        QCOMPARE(form.Label13->text(), QStringLiteral("( 3 of 5 maps )"));

        // A selection in the filtered list is the right map, and stays selected while the
        // filter still shows it.
        clickRow(form.newFiles, 2);
        QCOMPARE(form.SelectedMapPath, world.newMaps + native("/DM-Face-Off.vsm"));
        form.newFilter->setText(QStringLiteral("off"));
        QCOMPARE(form.newFiles->itemIndex(), 0);
        QCOMPARE(form.selectedPaths(TForm1::ListKind::NewMaps), std::vector<std::string>{world.newMaps + native("/DM-Face-Off.vsm")});

        // Esc in the field empties it: the whole list, the plain count.
        form.newFilter->setFocus();
        QTest::keyClick(form.newFilter, Qt::Key_Escape);
        QCOMPARE(form.newFilter->text(), QString());
        QCOMPARE(form.newFiles->count(), 5);
        QCOMPARE(form.Label13->text(), QStringLiteral("( 5 maps )"));
        QCOMPARE(form.selectedPaths(TForm1::ListKind::NewMaps), std::vector<std::string>{world.newMaps + native("/DM-Face-Off.vsm")});
    }

    void keysOfTheListsAndTheWindow()
    {
        World world;
        world.writeConfig({{3, "mapper"}, {7, "false"}}); // install copies
        for (const char* map : {"CTF-A", "DM-B", "WAR-C"})
            World::put(world.newMaps + native("/") + map + ".vsm", map);
        for (const char* map : {"DM-P1", "DM-P2"})
            World::put(world.published + native("/") + map + ".vsm", map);
        TForm1& form = *world.start().Form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const auto key = [](int code, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(code), modifiers);
        };

        // The window opens with the keyboard in the new maps, where Ctrl+V adds maps.
        QCOMPARE(QApplication::focusWidget(), form.newFiles);
        // Ctrl+F at first: the new maps' filter. Tab: its list; Ctrl+A: all of it; Enter installs.
        form.Button3->setFocus();
        key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), form.newFilter);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.newFiles);
        key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(form.selectedPaths(TForm1::ListKind::NewMaps).size(), std::size_t(3));
        QCOMPARE(form.SelectionCount->text(), QStringLiteral("3 selected"));
        QVERIFY(form.SelectionCount->isVisible());
        key(Qt::Key_Return);
        QCOMPARE(listFolder(world.published), std::string("CTF-A.vsm DM-B.vsm DM-P1.vsm DM-P2.vsm WAR-C.vsm"));

        // In the published maps Shift+Down takes two, Delete asks for both; and as the list
        // used last, Ctrl+F goes to its filter.
        form.publishedFiles->setFocus();
        clickRow(form.publishedFiles, 1);
        QVERIFY(form.SelectionCount->isHidden());
        key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(form.selectedPaths(TForm1::ListKind::Published).size(), std::size_t(2));
        world.env->answers = {false};
        key(Qt::Key_Delete);
        QCOMPARE(world.env->questions, QStringList{"...!|Really delete 2 maps?"});
        QCOMPARE(form.publishedFiles->count(), 5);
        key(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), form.publishedFilter);

        // F5 refreshes: the details panel is emptied.
        clickRow(form.newFiles, 0);
        QCOMPARE(form.Label4->text(), QStringLiteral("A"));
        key(Qt::Key_F5);
        QVERIFY(!form.shownMap().showsAny());

        // Tab goes through the controls as the window shows them, panel by panel.
        form.newFilter->setFocus();
        QStringList order{form.newFilter->objectName()};
        for (int i = 0; i < 18; ++i) {
            key(Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(order, (QStringList{"newFilter", "newFiles", "CheckBox2", "Button1", "Button2",
                                     "publishedFilter", "publishedFiles", "Button4", "Button10",
                                     "unpublishedFilter", "unpublishedFiles", "Button7", "gameTypesTabs",
                                     "CheckBox1", "Button9", "Button3", "LanguageBox", "Button8", "iniContent"}));
        QVERIFY(world.env->errors.isEmpty());
    }

    void everyControlHasANameForScreenReaders()
    {
        World world;
        world.writeConfig({{3, "mapper"}});
        World::put(world.newMaps + native("/CTF-Face.vsm"));
        World::put(world.newMaps + native("/CTF-Face.ini"), "[CTF-Face]");
        TForm1& form = *world.start().Form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        clickRow(form.newFiles, 0);

        // As a screen reader walks the window: every control that takes the keyboard, by its name
        // and the label that names it (on Linux a combo box's name is its text, its label says what it is).
        const auto spoken = [](QAccessibleInterface* node) {
            QString name = node->text(QAccessible::Name);
            for (const auto& [label, relation] : node->relations(QAccessible::Label))
                name = label->text(QAccessible::Name).trimmed() + QLatin1Char(' ') + name;
            return name.trimmed();
        };
        QStringList unnamed;
        QMap<QString, QString> names; // object name → what a reader says
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            const QAccessible::State state = node->state();
            auto* widget = qobject_cast<QWidget*>(node->object());
            if (widget && state.focusable && !state.invisible) {
                const QString name = spoken(node);
                names[widget->objectName()] = name;
                if (name.trimmed().isEmpty())
                    unnamed.append(widget->objectName() + QLatin1Char(' ') + widget->metaObject()->className());
            }
            if (node->role() == QAccessible::List)
                return; // the entries read themselves by their text
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(&form));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        QVERIFY2(names.size() >= 22, qPrintable(QStringList(names.keys()).join(QLatin1Char(' '))));
        const QString folder = QString::fromStdString(std::filesystem::path(world.newMaps).filename().string());
        QCOMPARE(names["newFiles"], "new maps: " + folder);
        QCOMPARE(names["publishedFiles"], QStringLiteral("published maps"));
        QCOMPARE(names["unpublishedFiles"], QStringLiteral("unpublished maps"));
        QCOMPARE(names["publishedFilter"], QStringLiteral("filter: published maps"));
        QCOMPARE(names["iniContent"], QStringLiteral("INI file"));
        QVERIFY2(names["LanguageBox"].startsWith(QStringLiteral("Language")), qPrintable(names["LanguageBox"]));

        // The details panel's file rows say whether each file is there.
        const auto said = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); };
        QCOMPARE(said(form.Label1), QStringLiteral("map package: present"));
        QCOMPARE(said(form.Label2), QStringLiteral("INI file: present"));
        QCOMPARE(said(form.Label3), QStringLiteral("localisation file: missing"));
        QCOMPARE(said(form.Label5), QStringLiteral("others: missing"));
    }

    void missingFoldersGiveEmptyLists()
    {
        World world;
        world.writeConfig({{5, world.root / "gone"}});
        std::filesystem::remove_all(world.documents + native("/My Games"));
        TForm1& form = *world.start().Form1;
        QCOMPARE(form.Label13->text(), QStringLiteral("( 0 maps )"));
        QCOMPARE(form.Label14->text(), QStringLiteral("( 0 maps )"));
        QCOMPARE(form.newFiles->count(), 0);
        QVERIFY(world.env->errors.isEmpty());
    }

    void detailsOfAMapWithItsFiles()
    {
        World world;
        QLocale::setDefault(QLocale(QLocale::German)); // a decimal comma, whatever the machine's locale
        world.writeConfig({{7, "false"}});
        World::put(world.newMaps + native("/CTF-Face.vsm"), std::string(734003 - 32, 'v'));
        World::put(world.newMaps + native("/CTF-Face.ini"), "[CTF-Face]\nMapName=CTF-Face\n1234");
        World::put(world.newMaps + native("/DM-Deck.vsm"), std::string(1048576, 'd'));
        World::put(world.newMaps + native("/DM-Deck_LOC_INT.vsp"), std::string(524288, 'l'));
        TForm1& form = *world.start().Form1;

        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        QCOMPARE(form.Label4->text(), QStringLiteral("Face"));
        QCOMPARE(form.FullMapPath->text(), QString::fromStdString(world.newMaps + native("/CTF-Face")));
        QVERIFY(lit(form.VSMexists, form.Label1));
        QVERIFY(lit(form.INIexists, form.Label2));
        QVERIFY(faded(form.LOCexists, form.Label3));
        QVERIFY(faded(form.othersexists, form.Label5));
        QCOMPARE(form.Label11->text(), QStringLiteral("0,69 MB"));
        QCOMPARE(form.iniContent->toPlainText(), QStringLiteral("[CTF-Face]\nMapName=CTF-Face\n1234"));
        QVERIFY(form.iniedit->isHidden());
        QCOMPARE(form.Label8->text(), QStringLiteral("-"));

        // No INI file: the editor is emptied; iniedit only in mapper mode.
        form.showMapInfo(world.newMaps + native("/DM-Deck.vsm"));
        QCOMPARE(form.Label4->text(), QStringLiteral("Deck"));
        QVERIFY(faded(form.INIexists, form.Label2));
        QVERIFY(lit(form.LOCexists, form.Label3));
        QCOMPARE(form.Label11->text(), QStringLiteral("1,5 MB"));
        QCOMPARE(form.iniContent->toPlainText(), QString());
        QVERIFY(form.iniedit->isHidden());
        form.CheckBox1->setChecked(true);
        QVERIFY(!form.iniedit->isHidden());
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        QVERIFY(form.iniedit->isHidden());
        form.showMapInfo(world.newMaps + native("/DM-Deck.vsm"));
        QVERIFY(!form.iniedit->isHidden());

        // A clear keeps the selected path and the editor's text.
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        form.showMapInfo({});
        QCOMPARE(form.Label4->text(), QStringLiteral("- - -"));
        QCOMPARE(form.Label11->text(), QStringLiteral("0 MB"));
        QCOMPARE(form.FullMapPath->text(), QStringLiteral("-"));
        QVERIFY(faded(form.VSMexists, form.Label1));
        QVERIFY(faded(form.INIexists, form.Label2));
        QVERIFY(form.iniedit->isHidden());
        QCOMPARE(form.SelectedMapPath, world.newMaps + native("/CTF-Face.vsm"));
        QVERIFY(form.iniContent->toPlainText().startsWith(QStringLiteral("[CTF-Face]")));
    }

    void vanishedPackageReportsAndKeepsTheEarlierSize()
    {
        World world;
        world.writeConfig({{7, "false"}});
        World::put(world.newMaps + native("/DM-Deck.vsm"), std::string(1048576, 'd'));
        World::put(world.newMaps + native("/CTF-Gone.vsm"));
        World::put(world.newMaps + native("/CTF-Gone.ini"), "x");
        World::put(world.published + native("/DM-Deck.vsm"), "published");
        TForm1& form = *world.start().Form1;
        form.publishedFiles->setItemIndex(0);
        form.publishedFilesClick();
        form.showMapInfo(world.newMaps + native("/DM-Deck.vsm"));
        std::filesystem::remove(world.newMaps + native("/CTF-Gone.vsm"));
        form.newFiles->setItemIndex(0);
        QVERIFY(!runGuarded(*world.env, [&] { form.newFilesClick(); }));
        // The published map lost its selection although the fill failed: delete touches nothing.
        QCOMPARE(form.publishedFiles->itemIndex(), -1);
        form.Button4->click();
        QCOMPARE(world.env->beeps, 1);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Gone.ini")), std::string("x"));
        QCOMPARE(readFile(world.published + native("/DM-Deck.vsm")), std::string("published"));
        QCOMPARE(world.env->errors.size(), 1);
        // The file's path, then the system's own reason.
        const QString opening = QString::fromStdString("Datei " + world.newMaps + native("/CTF-Gone.vsm")
                                                       + " kann nicht geöffnet werden. ");
        QVERIFY2(world.env->errors[0].startsWith(opening), qPrintable(world.env->errors[0]));
        QVERIFY(world.env->errors[0].size() > opening.size() + 1);
        QCOMPARE(form.Label4->text(), QStringLiteral("Gone"));
        QVERIFY(lit(form.INIexists, form.Label2));
        QCOMPARE(form.Label11->text(), QStringLiteral("1 MB"));
        QCOMPARE(form.SelectedMapPath, world.newMaps + native("/CTF-Gone.vsm"));
    }

    void statusSaysWhetherTheMapIsPublishedAlready()
    {
        World world;
        world.writeConfig({{3, "mapper"}});
        const auto both = [&](const std::string& name, const std::string& here, const std::string& there) {
            World::put(world.newMaps + native("/" + name), here);
            World::put(world.published + native("/" + name), there);
        };
        both("DM-Same.vsm", "same", "same");
        World::put(world.newMaps + native("/DM-Same.ini"), "ini");
        World::put(world.published + native("/dm-same.INI"), "ini"); // companions compare whatever their case
        both("DM-Size.vsm", "aaa", "aaaa");
        both("DM-Bytes.vsm", "abc", "abd");
        both("DM-Ini.vsm", "x", "x");
        World::put(world.published + native("/DM-Ini.ini"), "only there");
        World::put(world.newMaps + native("/DM-New.vsm"));
        both("DM-Big.vsm", std::string(48 << 20, 'b'), std::string(48 << 20, 'b'));
        World::put(world.unpublished + native("/DM-Same.vsm"), "same");
        World::put(world.unpublished + native("/DM-Same.ini"), "ini");
        TForm1& form = *world.start().Form1;
        const auto statusOf = [&](PathListView* list, const QString& map) {
            clickRow(list, itemsOf(list).indexOf(map));
            return form.Label8->text();
        };
        QCOMPARE(statusOf(form.newFiles, "DM-Same"), QStringLiteral("published already"));
        QCOMPARE(statusOf(form.newFiles, "DM-Size"), QStringLiteral("published: differs"));
        QCOMPARE(statusOf(form.newFiles, "DM-Bytes"), QStringLiteral("published: differs"));
        QCOMPARE(statusOf(form.newFiles, "DM-Ini"), QStringLiteral("published: differs"));
        QCOMPARE(statusOf(form.newFiles, "DM-New"), QStringLiteral("-"));
        QCOMPARE(statusOf(form.publishedFiles, "DM-Same"), QStringLiteral("-"));
        QCOMPARE(statusOf(form.unpublishedFiles, "DM-Same"), QStringLiteral("published already"));
        // A large map is compared after the panel is shown; another click meanwhile never gets
        // its answer.
        QCOMPARE(statusOf(form.newFiles, "DM-Big"), QStringLiteral("\u2026"));
        QCOMPARE(statusOf(form.newFiles, "DM-New"), QStringLiteral("-"));
        QTest::qWait(300);
        QCOMPARE(form.Label8->text(), QStringLiteral("-"));
        statusOf(form.newFiles, "DM-Big");
        QTRY_COMPARE(form.Label8->text(), QStringLiteral("published already"));
    }
};

QTEST_MAIN(MapListsTest)
#include "MapListsTest.moc"
