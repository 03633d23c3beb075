// Start-up, the main window's layout and its two modes.

#include "FormsFixture.h"

#include <filesystem>

#include "app/ComboBox.h"
#include "app/PathListView.h"
#include "app/Guard.h"
#include "app/Unit1.h"
#include "platform/ShellFolders.h"
#include "localisation/Unit4.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#ifdef __linux__
#include <sys/inotify.h>
#include <unistd.h>
#endif

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void normalStart()
    {
        World world;
        world.writeConfig({{7, "false"}});
        const std::string before = world.config();
        TForm1& form = *world.start().Form1;

        QCOMPARE(form.width(), 665);
        QCOMPARE(form.height(), 713);
        QVERIFY(!form.MapperMode);
        QVERIFY(!form.FirstStart);
        QVERIFY(!form.CheckBox1->isChecked());
        QVERIFY(!form.CheckBox2->isChecked());
        QVERIFY(form.Panel4->isHidden());
        QVERIFY(form.Panel6->isHidden());
        QCOMPARE(form.Label16->x(), 443);
        QCOMPARE(form.Label17->x(), 418);
        QCOMPARE(form.FileMask, std::string("*.vsm"));
        QCOMPARE(form.NewMapsFolder, world.newMaps);
        QCOMPARE(form.Label6->text(), QStringLiteral("maps"));
        QCOMPARE(form.DocumentsFolder, world.documents);
        QCOMPARE(form.DesktopFolder, world.desktop);
        QCOMPARE(form.gameTypeCaptions(),
                 (QStringList{"all", "DM", "CTF", "VCTF", "WAR"}));
        QCOMPARE(form.LanguageBox->currentText(), QStringLiteral("English"));
        QVERIFY(!form.typePreview->pixmap().isNull());
        QCOMPARE(world.config(), before); // nothing saved
        QVERIFY(world.env->errors.isEmpty());
#ifndef _WIN32
        // On Linux the documents folder is where the game is: here in a Proton prefix of the
        // Steam install, and the published list shows that prefix's maps.
        World steam;
        steam.writeConfig();
        const std::string prefix = steam.root / ".local/share/Steam/steamapps/compatdata/42/pfx/drive_c/users/steamuser/Documents";
        World::put(prefix + "/My Games/Vesmar Arena/VSGame/Published/CookedPC/CustomMaps/DM-Proton.vsm");
        qputenv("HOME", steam.root.path().c_str());
        steam.documents = platform::documentsFolder();
        TForm1& player = *steam.start().Form1;
        QCOMPARE(player.DocumentsFolder, prefix);
        QCOMPARE(itemsOf(player.publishedFiles), QStringList{"DM-Proton"});
#endif
    }

    void mapperModeStartSavesOnceWithTheSameContent()
    {
        World world;
        world.writeConfig({{3, "mapper"}, {7, "false"}});
        const std::string before = world.config();
        std::filesystem::remove(world.program + native("/config.ini"));
        World::put(world.program + native("/config.ini"), before);
        const auto written = std::filesystem::last_write_time(world.program + native("/config.ini"));
        std::filesystem::last_write_time(world.program + native("/config.ini"), written - std::chrono::hours(1));

#ifdef __linux__
        // Every save puts a new file in place under the name config.ini: count those arrivals.
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        inotify_add_watch(watch, world.program.c_str(), IN_MOVED_TO);
#endif
        TForm1& form = *world.start().Form1;
#ifdef __linux__
        int saves = 0;
        alignas(inotify_event) char events[4096];
        for (ssize_t n; (n = read(watch, events, sizeof events)) > 0;) {
            for (char* at = events; at < events + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                saves += event->len > 0 && std::string(event->name) == "config.ini";
                at += sizeof(inotify_event) + event->len;
            }
        }
        close(watch);
        QCOMPARE(saves, 1);
#endif
        QCOMPARE(form.width(), 993);
        QVERIFY(form.MapperMode);
        QVERIFY(form.CheckBox1->isChecked());
        QVERIFY(!form.Panel4->isHidden());
        QVERIFY(!form.Panel6->isHidden());
        QCOMPARE(form.Label16->x(), 771);
        QCOMPARE(form.Label17->x(), 746);
        QCOMPARE(world.config(), before);
        QVERIFY(std::filesystem::last_write_time(world.program + native("/config.ini")) > written - std::chrono::hours(1));
    }

    void onlyExactValuesCount()
    {
        World world;
        world.writeConfig({{3, "Mapper"}, {7, "TRUE"}});
        TForm1& form = *world.start().Form1;
        QVERIFY(!form.MapperMode);
        QVERIFY(!form.CheckBox2->isChecked());
        QCOMPARE(form.width(), 665);
    }

    void copyOptionStartsCheckedAndRewritesTheFile()
    {
        World world;
        world.writeConfig();
        std::filesystem::last_write_time(world.program + native("/config.ini"),
                                         std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        const std::string before = world.config();
        TForm1& form = *world.start().Form1;
        QVERIFY(form.CheckBox2->isChecked());
        QCOMPARE(world.config(), before);
        QVERIFY(std::filesystem::last_write_time(world.program + native("/config.ini"))
                > std::filesystem::file_time_type::clock::now() - std::chrono::minutes(1));
    }

    void firstStartKeepsDefaultsInMemoryOnly()
    {
        World world;
        Forms& forms = world.start();
        TForm1& form = *forms.Form1;
        QVERIFY(form.FirstStart);
        QCOMPARE(form.Config, form.DefaultConfig);
        QCOMPARE(form.width(), 665);
        QVERIFY(!form.CheckBox1->isChecked());
        QVERIFY(!form.CheckBox2->isChecked());
        QCOMPARE(form.gameTypeCaptions(), QStringList{"alle"});
        QCOMPARE(form.Label6->text(), QStringLiteral("neue Maps-Ordnername"));
        QCOMPARE(form.LanguageBox->currentIndex(), -1);
        QCOMPARE(form.LanguageBox->count(), 2);
        QCOMPARE(form.newFiles->count(), 0);
        QCOMPARE(form.Label13->text(), QStringLiteral("( 0 Dateien )"));
        QVERIFY(!form.typePreview->pixmap().isNull());
        QCOMPARE(world.config(), std::string("<missing>"));

        // The first activation opens the first-start dialog, once.
        form.show();
        QTRY_VERIFY(forms.Form4->isVisible());
        QVERIFY(!form.FirstStart);
        QTRY_VERIFY(form.isHidden());
        forms.Form4->hide();
        form.FormActivate();
        QVERIFY(forms.Form4->isHidden());
    }

    void shortAndOddSettingsFiles()
    {
        World world;
        World::put(world.program + native("/config.ini"), "Language:\nEnglish\nMode:\nmapper");
        TForm1& form = *world.start().Form1;
        QVERIFY(form.MapperMode);
        QCOMPARE(form.Config.size(), std::size_t(13));
        QCOMPARE(form.gameTypeCaptions(), (QStringList{"all", "DM", "CTF", "VCTF", "WAR"}));
        // The mode step saved the completed list.
        QCOMPARE(world.config(), std::string("Language:\r\nEnglish\r\nMode:\r\nmapper\r\nNewMapsFolderDirectory:\r\n\r\n"
                                             "copyNewMaps:\r\ntrue\r\nGameTypes:\r\nDM\r\nCTF\r\nVCTF\r\nWAR\r\n"));

        World nine;
        nine.writeConfig({{8, "Spiele:"}}, 9);
        QCOMPARE(nine.start().Form1->gameTypeCaptions(), QStringList{"all"});

        World blank;
        blank.writeConfig({{10, ""}});
        QCOMPARE(blank.start().Form1->gameTypeCaptions(), (QStringList{"all", "DM", "", "VCTF", "WAR"}));

        World root;
        root.writeConfig({{5, root.newMaps + native("/")}});
        World::put(root.newMaps + native("/DM-Deck.vsm"));
        TForm1& rootForm = *root.start().Form1;
        QCOMPARE(rootForm.Label6->text(), QString());
        QCOMPARE(rootForm.newFiles->count(), 1);
    }

    void modeSwitchBothWays()
    {
        World world;
        world.writeConfig({{7, "false"}});
        World::put(world.newMaps + native("/DM-Deck.vsm"));
        World::put(world.unpublished + native("/CTF-Work.vsm"));
        TForm1& form = *world.start().Form1;
        form.show();
        const QPoint left = form.pos();

        // On with a map without INI file shown: iniedit appears.
        form.newFiles->setItemIndex(0);
        form.newFilesClick();
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(form.MapperMode);
        QCOMPARE(form.width(), 993);
        QCOMPARE(form.pos(), left);
        QVERIFY(form.iniedit->isVisible());
        QVERIFY(form.Panel4->isVisible());
        QVERIFY(form.Panel6->isVisible());
        QCOMPARE(form.Label16->x(), 771);
        QCOMPARE(form.Label17->x(), 746);
        QCOMPARE(form.Config[3], std::string("mapper"));
        QVERIFY(world.config().find("Mode:\r\nmapper\r\n") != std::string::npos);

        // Off with an unpublished map selected: the details are cleared.
        form.unpublishedFiles->setItemIndex(0);
        form.unpublishedFilesClick();
        QCOMPARE(form.Label4->text(), QStringLiteral("Work"));
        QTest::mouseClick(form.CheckBox1, Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(!form.MapperMode);
        QCOMPARE(form.width(), 665);
        QVERIFY(form.iniedit->isHidden());
        QVERIFY(form.Panel4->isHidden());
        QCOMPARE(form.unpublishedFiles->itemIndex(), -1);
        QVERIFY(!form.shownMap().showsAny());
        QCOMPARE(form.Label16->x(), 443);
        QVERIFY(world.config().find("Mode:\r\ndefault\r\n") != std::string::npos);

        // Off with a new map selected keeps the details; on with no map shown keeps iniedit hidden.
        form.newFiles->setItemIndex(0);
        form.newFilesClick();
        form.CheckBox1->setChecked(true);
        form.CheckBox1->setChecked(false);
        QCOMPARE(form.Label4->text(), QStringLiteral("Deck"));
        form.showMapInfo({});
        form.CheckBox1->setChecked(true);
        QVERIFY(form.iniedit->isHidden());
    }

    void copyOptionRewritesLineSeven()
    {
        World world;
        world.writeConfig({{7, "false"}});
        TForm1& form = *world.start().Form1;
        form.show();
        QTest::mouseClick(form.CheckBox2, Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(world.config().find("copyNewMaps:\r\ntrue\r\n") != std::string::npos);
        QTest::mouseClick(form.CheckBox2, Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(world.config().find("copyNewMaps:\r\nfalse\r\n") != std::string::npos);
    }

    void failedSaveIsReportedAndKeptInMemory()
    {
        World world;
        world.writeConfig({{7, "false"}});
        const std::string before = world.config();
        TForm1& form = *world.start().Form1;
        std::filesystem::permissions(world.program + native("/config.ini"), std::filesystem::perms::owner_read);
        form.CheckBox2->setChecked(true);
        QCOMPARE(world.env->errors.size(), 1);
        QVERIFY(world.env->errors[0].startsWith(QStringLiteral("Datei \"")));
        QVERIFY(world.env->errors[0].contains(QStringLiteral("\" kann nicht erstellt werden. ")));
        QVERIFY(world.env->errors[0].endsWith(QLatin1Char('.')));
        QCOMPARE(form.Config[7], std::string("true"));
        QCOMPARE(world.config(), before);
    }

    void guardReportsFailuresWithAFullStop()
    {
        World world;
        world.writeConfig();
        world.start();
        QVERIFY(!runGuarded(*world.env, [] { throw std::runtime_error("Kaputt"); }));
        QVERIFY(runGuarded(*world.env, [] {}));
        QVERIFY(!runGuarded(*world.env, [] { throw std::runtime_error("Schon da."); }));
        QCOMPARE(world.env->errors, (QStringList{"Kaputt.", "Schon da."}));
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
