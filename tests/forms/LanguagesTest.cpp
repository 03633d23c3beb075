// Language files, captions and the language box.

#include "FormsFixture.h"

#include "app/ComboBox.h"
#include "app/PathListView.h"
#include "app/TabControl.h"
#include "app/Unit1.h"
#include "localisation/LanguageLines.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>

namespace {

/// A language file with lines 0 to `last`, line n reading "L<n>".
std::string languageFile(int last)
{
    std::string text = "LanguageFile\r\n";
    for (int n = 1; n <= last; ++n)
        text.append("L").append(std::to_string(n)).append("\r\n");
    return text;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void configuredLanguageIsAppliedAndPreselected()
    {
        World world;
        world.writeConfig({{1, "Deutsch"}});
        World::put(world.program + native("/Notes.ini"), "Not a language\r\n");
        TForm1& form = *world.start().Form1;
        QCOMPARE(form.LanguageBox->count(), 2);
        QCOMPARE(form.LanguageBox->currentText(), QStringLiteral("Deutsch"));
        QCOMPARE(form.Button4->text(), QStringLiteral("löschen"));
        QCOMPARE(form.Label10->text(), QStringLiteral("Gesamtgröße"));
        QCOMPARE(form.Button9->text(), QStringLiteral("neue maps..."));
        QCOMPARE(form.Label13->text(), QStringLiteral("( 0 Dateien )"));
        QCOMPARE(form.gameTypes->tabs()->tabText(0), QStringLiteral("alle"));
        QCOMPARE(form.Label5->text(), QStringLiteral("andere"));
        QCOMPARE(form.Label18->text(), QStringLiteral("alle"));

        // The German file holds every line, and the built-in texts of lines added later are
        // its own; a language file that lacks them shows those.
        for (std::size_t n = localisation::lines::kFolderMissing; n < localisation::lines::kEnd; ++n)
            QCOMPARE(form.languageText(n), QString::fromUtf8(localisation::builtInText(n)));
        QCOMPARE(form.Language.size(), localisation::lines::kEnd);
        form.loadLanguage("English");
        QCOMPARE(form.Language.size(), localisation::lines::kEnd);
        World::put(world.program + native("/Old.ini"), languageFile(20));
        form.loadLanguage("Old");
        QCOMPARE(form.languageText(localisation::lines::kMoreLines), QStringLiteral("\u2026 und %1 weitere"));
    }

    void languageOutsideTheBoxStillLoads()
    {
        World world;
        world.writeConfig({{1, "english"}});
#ifdef _WIN32
        const std::string francais = "Fran\xc3\xa7" "ais"; // names are Unicode here
#else
        const std::string francais = "Fran\xe7" "ais"; // a name in Windows-1252 keeps its bytes
#endif
        World::put(world.program + native("/" + francais + ".ini"), languageFile(20));
        TForm1& form = *world.start().Form1;
        QCOMPARE(form.LanguageBox->currentIndex(), -1);
        QCOMPARE(form.Button1->text(), QStringLiteral("install"));
        QVERIFY(world.env->errors.isEmpty());

        // A typed name is neither completed nor applied, whatever its case, when the box is left.
        form.show();
        QLineEdit* edit = form.LanguageBox->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("deutsch"));
        QTest::keyClick(edit, Qt::Key_Return);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("Deutsch"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(form.Button1->text(), QStringLiteral("install"));
        QCOMPARE(form.Config[1], std::string("english"));

        // A picked entry is applied, and its file found by the bytes of its name.
        const int french = form.LanguageBox->findEntry(francais);
        QCOMPARE(form.LanguageBox->itemText(french), QStringLiteral("Français"));
        form.LanguageBox->showPopup();
        QAbstractItemView* list = form.LanguageBox->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(french, 0)).center());
        QCOMPARE(form.Button1->text(), QStringLiteral("L3"));
        QCOMPARE(form.Config[1], francais);
        QVERIFY(world.config().find("\r\nFran\xe7" "ais\r\n") != std::string::npos); // config.ini is ANSI
        QVERIFY(world.env->errors.isEmpty());

        // On the closed box an arrow key or a wheel step picks the entry it shows, every time,
        // also after typed text and after the list was opened and left without a pick.
        const auto wheelUp = [&] {
            QWheelEvent event(QPointF(5, 5), form.LanguageBox->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(form.LanguageBox, &event);
        };
        QCOMPARE(form.LanguageBox->currentIndex(), 2); // Deutsch, English, Français
        QTest::keyClick(form.LanguageBox, Qt::Key_Up);
        QCOMPARE(form.Config[1], std::string("English"));
        QCOMPARE(form.Button1->text(), QStringLiteral("install"));
        QTest::keyClicks(edit, QStringLiteral("x"));
        wheelUp();
        QCOMPARE(form.Config[1], std::string("Deutsch"));
        QCOMPARE(form.Button1->text(), QStringLiteral("installieren"));
        form.LanguageBox->showPopup();
        form.LanguageBox->hidePopup();
        QTest::keyClick(form.LanguageBox, Qt::Key_Down);
        QCOMPARE(form.Config[1], std::string("English"));
        QCOMPARE(form.Button1->text(), QStringLiteral("install"));
        QVERIFY(world.env->errors.isEmpty());
    }

    void utf8LanguageFileShowsEveryScript()
    {
        // A file with the UTF-8 mark shows Cyrillic and Chinese whatever the system's code page;
        // its name in any script is the box's entry and stays the choice at the next start.
        World world;
        world.writeConfig();
        const std::string russian = "\u0420\u0443\u0441\u0441\u043a\u0438\u0439";
        const std::string install = "\u0443\u0441\u0442\u0430\u043d\u043e\u0432\u0438\u0442\u044c";
        const std::string installAll = "\u5168\u90e8\u5b89\u88c5";
        std::string text = languageFile(20);
        text.replace(text.find("L3\r\n"), 2, install);
        text.replace(text.find("L4\r\n"), 2, installAll);
        World::put(world.program + native("/" + russian + ".ini"), std::string(settings::kUtf8Mark) + text);
        TForm1& form = *world.start().Form1;
        const int entry = form.LanguageBox->findEntry(russian);
        QCOMPARE(form.LanguageBox->itemText(entry), QString::fromUtf8(russian));
        form.LanguageBox->setCurrentIndex(entry);
        form.LanguageBoxSelect();
        QCOMPARE(form.Button1->text(), QString::fromUtf8(install));
        QCOMPARE(form.Button2->text(), QString::fromUtf8(installAll));
        QCOMPARE(form.languageText(localisation::lines::kFolderMissing), QString::fromUtf8(localisation::builtInText(localisation::lines::kFolderMissing)));
#ifdef _WIN32
        // The ANSI code page has no place for the name: config.ini becomes UTF-8 with the mark.
        QVERIFY(world.config().starts_with(std::string(settings::kUtf8Mark) + "Language:\r\n" + russian + "\r\n"));
#else
        QVERIFY(world.config().starts_with("Language:\r\n" + russian + "\r\n"));
#endif
        QVERIFY(world.env->errors.isEmpty());
        TForm1& again = *world.start().Form1;
        QCOMPARE(again.LanguageBox->currentText(), QString::fromUtf8(russian));
        QCOMPARE(again.Button1->text(), QString::fromUtf8(install));
    }

    void deletedLanguageFileStopsTheFirstRebuild()
    {
        World world;
        world.writeConfig({{1, "Klingon"}});
        World::put(world.newMaps + native("/DM-Deck.vsm"));
        TForm1& form = *world.start().Form1;
        QCOMPARE(world.env->errors, QStringList{"Listenindex überschreitet das Maximum (5)."});
        QCOMPARE(form.newFiles->count(), 0);
        QCOMPARE(form.Label13->text(), QStringLiteral("( 0 Dateien )"));
        QVERIFY(form.typePreview->pixmap().isNull());
        QCOMPARE(form.Button1->text(), QStringLiteral("installieren"));
        QCOMPARE(form.LanguageBox->currentIndex(), -1);

        // Picking a language ends that state; refresh fills the lists.
        form.LanguageBox->setCurrentIndex(form.LanguageBox->findText(QStringLiteral("English")));
        form.LanguageBoxSelect();
        form.Button3Click();
        QCOMPARE(itemsOf(form.newFiles), QStringList{"DM-Deck"});
        QCOMPARE(form.Label13->text(), QStringLiteral("( 1 map )"));
        QCOMPARE(form.Config[1], std::string("English"));
    }

    void shortLanguageFileAppliesWhatItHas()
    {
        World world;
        World::put(world.program + native("/Short.ini"), languageFile(9));
        world.writeConfig({{1, "Short"}});
        TForm1& form = *world.start().Form1;
        QVERIFY(world.env->errors.isEmpty()); // lines 5 and 6 exist
        QCOMPARE(form.gameTypes->tabs()->tabText(0), QStringLiteral("L1"));
        QCOMPARE(form.Button3->text(), QStringLiteral("L9"));
        QCOMPARE(form.Button4->text(), QStringLiteral("löschen"));
        QCOMPARE(form.Button9->text(), QStringLiteral("neue maps..."));
        QCOMPARE(form.Label18->text(), QStringLiteral("alle")); // the last step was not reached

        // In the language box: applies lines 1 to 9, keeps the rest, still saves line 1.
        World other;
        World::put(other.program + native("/Short.ini"), languageFile(9));
        other.writeConfig();
        TForm1& english = *other.start().Form1;
        english.LanguageBox->setCurrentIndex(english.LanguageBox->findText(QStringLiteral("Short")));
        english.LanguageBoxSelect();
        QCOMPARE(english.gameTypes->tabs()->tabText(0), QStringLiteral("L1"));
        QCOMPARE(english.Label5->text(), QStringLiteral("L2"));
        QCOMPARE(english.Button3->text(), QStringLiteral("L9"));
        QCOMPARE(english.Button4->text(), QStringLiteral("delete"));
        QCOMPARE(english.CheckBox2->text(), QStringLiteral("copy"));
        QCOMPARE(english.Button9->text(), QStringLiteral("new maps..."));
        QCOMPARE(english.Label18->text(), QStringLiteral("all"));
        QVERIFY(other.config().find("Language:\r\nShort\r\n") == 0);
        QVERIFY(other.env->errors.isEmpty());

        // A reader elsewhere reports the missing line and stops.
        World::put(other.published + native("/DM-Deck.vsm"));
        english.refreshFileList(TForm1::ListKind::Published);
        english.publishedFiles->setItemIndex(0);
        english.publishedFilesClick();
        QTest::mouseClick(english.Button4, Qt::LeftButton);
        QCOMPARE(other.env->errors, QStringList{"Listenindex überschreitet das Maximum (14)."});
        QVERIFY(other.env->questions.isEmpty());
        QCOMPARE(english.publishedFiles->itemIndex(), 0); // the list was not rebuilt
    }

    void previewCaptionFollowsTheLanguageOnlyOnTheFirstTab()
    {
        World world;
        world.writeConfig();
        TForm1& form = *world.start().Form1;
        form.gameTypes->tabs()->setCurrentIndex(2);
        QCOMPARE(form.Label18->text(), QStringLiteral("CTF"));
        form.LanguageBox->setCurrentIndex(form.LanguageBox->findText(QStringLiteral("Deutsch")));
        form.LanguageBoxSelect();
        QCOMPARE(form.gameTypes->tabs()->tabText(0), QStringLiteral("alle"));
        QCOMPARE(form.Label18->text(), QStringLiteral("CTF"));
        QCOMPARE(form.Label19->text(), QStringLiteral("CTF"));
        QCOMPARE(form.FileMask, std::string("CTF*.vsm"));
        form.gameTypes->tabs()->setCurrentIndex(0);
        QCOMPARE(form.Label19->text(), QStringLiteral("alle"));
        // The count word changes only with the next rebuild.
        QCOMPARE(form.Label13->text(), QStringLiteral("( 0 Dateien )"));
    }
};

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"
