// The game-type tabs and the map INI editor.

#include "FormsFixture.h"

#include <filesystem>

#include "app/PathListView.h"
#include "app/TabControl.h"
#include "app/Design.h"
#include "app/Guard.h"
#include "app/Unit1.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace {

const std::string kTemplateTail = "NumPlayers=2 to 8 players          \r\n"
                                  "PreviewImageMarkup=<Images:UI_FrontEnd_Art.GameTypes.DeathMatch>\r\n"
                                  "Description=None\r\n";

} // namespace

class TabsAndIniTest : public QObject {
    Q_OBJECT

private slots:
    void tabsFilterByPrefixWhateverTheCase()
    {
        World world;
        world.writeConfig({{9, "war"}, {11, "BR"}});
        for (const char* map : {"CTF-Face", "VCTF-Face", "ctf-small", "DMX-Odd", "DM-Deck", "WAR-Hill", "BR-Island"})
            World::put(world.newMaps + native("/") + map + ".vsm");
        World::put(world.published + native("/CTF-Coret.vsm"));
        World::put(world.unpublished + native("/DM-Draft.vsm"));
        TForm1& form = *world.start().Form1;
        QTabBar* tabs = form.gameTypes->tabs();
        QCOMPARE(form.gameTypeCaptions(), (QStringList{"all", "war", "CTF", "BR", "WAR"}));
        form.showMapInfo(world.newMaps + native("/DM-Deck.vsm"));

        tabs->setCurrentIndex(2);
        QCOMPARE(form.FileMask, std::string("CTF*.vsm"));
        QCOMPARE(itemsOf(form.newFiles), (QStringList{"CTF-Face", "ctf-small"}));
        QCOMPARE(form.Label13->text(), QStringLiteral("( 2 maps )"));
        QCOMPARE(itemsOf(form.publishedFiles), QStringList{"CTF-Coret"});
        QCOMPARE(form.unpublishedFiles->count(), 0);
        QCOMPARE(form.typePreview->pixmap().toImage(), form.Image5.toImage());
        QCOMPARE(form.Label18->text(), QStringLiteral("CTF"));
        QCOMPARE(form.Label19->text(), QStringLiteral("CTF"));
        QVERIFY(!form.shownMap().showsAny());

        tabs->setCurrentIndex(1);
        QCOMPARE(form.FileMask, std::string("war*.vsm"));
        QCOMPARE(itemsOf(form.newFiles), QStringList{"WAR-Hill"});
        QCOMPARE(form.typePreview->pixmap().toImage(), form.Image9.toImage());
        QCOMPARE(form.Label18->text(), QStringLiteral("war"));

        tabs->setCurrentIndex(3);
        QCOMPARE(itemsOf(form.newFiles), QStringList{"BR-Island"});
        QCOMPARE(form.typePreview->pixmap().toImage(), form.Image6.toImage());
        QCOMPARE(form.Label19->text(), QStringLiteral("BR"));
        // Right edges stay put; the white caption lies one pixel up and left of its shadow.
        QCOMPARE(form.Label18->geometry().right() + 1, 258);
        QCOMPARE(form.Label19->geometry().right() + 1, 257);
        QCOMPARE(form.Label18->y(), 132);
        QCOMPARE(form.Label19->y(), 131);

        tabs->setCurrentIndex(0);
        QCOMPARE(form.FileMask, std::string("*.vsm"));
        QCOMPARE(form.newFiles->count(), 7);
        QCOMPARE(form.typePreview->pixmap().toImage(), form.Image6.toImage());
        QCOMPARE(form.Label18->text(), QStringLiteral("all"));

        World dm;
        dm.writeConfig();
        World::put(dm.newMaps + native("/DMX-Odd.vsm"));
        World::put(dm.newMaps + native("/DM-Deck.vsm"));
        TForm1& dmForm = *dm.start().Form1;
        dmForm.gameTypes->tabs()->setCurrentIndex(1);
        QCOMPARE(itemsOf(dmForm.newFiles), (QStringList{"DM-Deck", "DMX-Odd"}));
        QCOMPARE(dmForm.typePreview->pixmap().toImage(), dmForm.Image7.toImage());
    }

    void createIniFromTheTemplate()
    {
        World world;
        world.writeConfig({{3, "mapper"}});
        World::put(world.newMaps + native("/DM-Deck.vsm"), "1234");
        World::put(world.newMaps + native("/CTF-Face-Remix.vsm"));
        World::put(world.newMaps + native("/Deck.vsm"));
        TForm1& form = *world.start().Form1;
        form.show();

        form.showMapInfo(world.newMaps + native("/DM-Deck.vsm"));
        QVERIFY(form.iniedit->isVisible());
        QTest::mouseClick(form.iniedit, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/DM-Deck.ini")),
                 "[DM-Deck VSUIDataProvider_MapInfo]\r\nMapName=DM-Deck\r\nFriendlyName=Deck\r\n" + kTemplateTail);
        QVERIFY(form.iniedit->isHidden());
        QCOMPARE(textColour(form.Label2), colours::black);
        QVERIFY(form.iniContent->toPlainText().startsWith(QStringLiteral("[DM-Deck VSUIDataProvider_MapInfo]\n")));
        QCOMPARE(form.Label11->text(), QStringLiteral("0.00 MB")); // the new file is counted

        form.showMapInfo(world.newMaps + native("/CTF-Face-Remix.vsm"));
        QTest::mouseClick(form.iniedit, Qt::LeftButton);
        QVERIFY(readFile(world.newMaps + native("/CTF-Face-Remix.ini")).find("\r\nFriendlyName=Face-Remix\r\n") != std::string::npos);
        form.showMapInfo(world.newMaps + native("/Deck.vsm"));
        QTest::mouseClick(form.iniedit, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/Deck.ini")),
                 "[Deck VSUIDataProvider_MapInfo]\r\nMapName=Deck\r\nFriendlyName=Deck\r\n" + kTemplateTail);
        QCOMPARE(form.Memo2[1], std::string("MapName=Deck"));

        // A map named in the game's code page gets an INI file in it, as the game reads it.
        const std::string dune = "/DM-D\xc3\xbcne";
        World::put(world.newMaps + native(dune + ".vsm"));
        form.showMapInfo(world.newMaps + native(dune + ".vsm"));
        QTest::mouseClick(form.iniedit, Qt::LeftButton);
        QVERIFY(readFile(world.newMaps + native(dune + ".ini")).find("\r\nMapName=DM-D\xfcne\r\n") != std::string::npos);
        QCOMPARE(form.iniContent->toPlainText().split(QLatin1Char('\n'))[1], QStringLiteral("MapName=DM-D\u00fcne"));
    }

    void saveAndReset()
    {
        World world;
        world.writeConfig({{3, "mapper"}});
        World::put(world.newMaps + native("/DM-Deck.vsm"));
        World::put(world.newMaps + native("/CTF-Face.vsm"));
        World::put(world.newMaps + native("/CTF-Face.ini"), "[CTF-Face]\nMapName=CTF-Face");
        TForm1& form = *world.start().Form1;
        form.show();

        // Before any map was shown: beep, nothing written or read.
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QTest::mouseClick(form.Button6, Qt::LeftButton);
        QCOMPARE(world.env->beeps, 2);
        QVERIFY(world.env->errors.isEmpty());

        // An unchanged, just-loaded file is written back with CR LF, and gains no closing break.
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("[CTF-Face]\r\nMapName=CTF-Face"));

        // Reset after edits restores the file, with the cursor at its start and no step to undo.
        form.iniContent->moveCursor(QTextCursor::End);
        QTest::keyClicks(form.iniContent, QStringLiteral("typed"));
        QTest::mouseClick(form.Button6, Qt::LeftButton);
        QCOMPARE(form.iniContent->toPlainText(), QStringLiteral("[CTF-Face]\nMapName=CTF-Face"));
        QCOMPARE(form.iniContent->textCursor().position(), 0);
        QVERIFY(!form.iniContent->document()->isUndoAvailable());
        QVERIFY(!form.iniContent->document()->isRedoAvailable());

        // Save after a tab change writes the map shown before it.
        form.iniContent->setPlainText(QStringLiteral("[CTF-Face]\nDescription=Edited"));
        form.gameTypes->tabs()->setCurrentIndex(1);
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("[CTF-Face]\r\nDescription=Edited"));

        // Saving for a map without INI file creates it; the panel stays as it was.
        form.showMapInfo(world.newMaps + native("/DM-Deck.vsm"));
        QTest::mouseClick(form.Button6, Qt::LeftButton);
        QCOMPARE(world.env->errors.size(), 1);
        QVERIFY(world.env->errors[0].startsWith(QString::fromStdString("Datei " + world.newMaps + native("/DM-Deck.ini kann nicht geöffnet werden."))));
        form.iniContent->setPlainText(QStringLiteral("typed\n"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/DM-Deck.ini")), std::string("typed\r\n"));
        QCOMPARE(textColour(form.Label2), colours::silver);
        QVERIFY(form.iniedit->isVisible());

        // A Windows-1252 file is shown as such and saved in it again; a UTF-8 one stays UTF-8.
        World::put(world.newMaps + native("/CTF-Face.ini"), "Description=Gr\xf6\xdf" "e \x80\r\n");
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        QCOMPARE(form.iniContent->toPlainText(), QStringLiteral("Description=Größe €\n"));
        form.iniContent->setPlainText(QStringLiteral("Description=Größer €\n"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("Description=Gr\xf6\xdf" "er \x80\r\n"));
        World::put(world.newMaps + native("/CTF-Face.ini"), "Description=Größe\r\n");
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("Description=Größe\r\n"));
        // Nothing else changes: a no-break space stays one, a typed line separator breaks no line.
        World::put(world.newMaps + native("/CTF-Face.ini"), "Name=A\xa0" "B\r\n\r\n");
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("Name=A\xa0" "B\r\n\r\n"));
#ifndef _WIN32
        // (A UTF-8 file exists only where names and texts are UTF-8, not in the ANSI code page.)
        World::put(world.newMaps + native("/CTF-Face.ini"), "Description=Größe");
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        form.iniContent->textCursor().insertText(QString(QChar(0x2028))); // as a paste inserts it
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("\u2028Description=Größe"));
        // A byte-order mark is kept and not shown; what the editor turns into a line break
        // (U+2029) is written back as it was while the text is unchanged.
        World::put(world.newMaps + native("/CTF-Face.ini"), "\xEF\xBB\xBFName=Düne\r\nA\u2029B");
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        QCOMPARE(form.iniContent->toPlainText(), QStringLiteral("Name=Düne\nA\nB"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("\xEF\xBB\xBFName=Düne\r\nA\u2029B"));
        form.iniContent->setPlainText(QStringLiteral("Name=Dünen"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("\xEF\xBB\xBFName=Dünen"));
#endif
        // A Windows-1252 file keeps its encoding: typed text it cannot hold is refused with a
        // message, the file stays as it was and the editor keeps the text.
        World::put(world.newMaps + native("/CTF-Face.ini"), "Description=Gr\xf6\xdf" "e\r\n");
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        form.iniContent->setPlainText(QStringLiteral("Description=Größe \u0151\n"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(world.env->errors.size(), 2);
        QCOMPARE(world.env->errors[1], QStringLiteral("The file's character set cannot hold the typed text; the file was not changed: ")
                                           + QString::fromStdString(world.newMaps + native("/CTF-Face.ini")));
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("Description=Gr\xf6\xdf" "e\r\n"));
        QCOMPARE(form.iniContent->toPlainText(), QStringLiteral("Description=Größe \u0151\n"));
        // A plain ASCII file is written in the game's code page when typed text fits it.
        World::put(world.newMaps + native("/CTF-Face.ini"), "Description=\n");
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        form.iniContent->setPlainText(QStringLiteral("Description=Größe\n"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("Description=Gr\xf6\xdf" "e\r\n"));

        // Typed text the code page cannot hold in a plain-ASCII file: UTF-8 where such a file is
        // read back as UTF-8, else UTF-16 with its mark; never look-alikes.
        World::put(world.newMaps + native("/CTF-Face.ini"), "Description=\n");
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        form.iniContent->setPlainText(QStringLiteral("Description=\u0141\u00f3d\u017a\n"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
#ifdef _WIN32
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")),
                 QByteArray(reinterpret_cast<const char*>(u"\uFEFFDescription=\u0141\u00f3d\u017a\r\n"), 2 * 19).toStdString());
#else
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("Description=\xc5\x81\xc3\xb3" "d\xc5\xba\r\n"));
#endif
        // A UTF-16 file is read as such; unchanged it is written back byte for byte, edited in
        // UTF-16 with its mark.
        const std::string utf16("\xFF\xFE" "A\0=\0B\0\r\0\n\0" "C\0", 14);
        World::put(world.newMaps + native("/CTF-Face.ini"), utf16);
        form.showMapInfo(world.newMaps + native("/CTF-Face.vsm"));
        QCOMPARE(form.iniContent->toPlainText(), QStringLiteral("A=B\nC"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), utf16);
        form.iniContent->setPlainText(QStringLiteral("A=\u0151"));
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(readFile(world.newMaps + native("/CTF-Face.ini")), std::string("\xFF\xFE" "A\0=\0\x51\x01", 8));

        // A save that cannot create the file reports it and writes nothing.
        std::filesystem::remove_all(world.newMaps);
        QTest::mouseClick(form.Button5, Qt::LeftButton);
        QCOMPARE(world.env->errors.size(), 3);
        QVERIFY(world.env->errors[2].contains(QStringLiteral("kann nicht erstellt werden.")));
    }
};

QTEST_MAIN(TabsAndIniTest)
#include "TabsAndIniTest.moc"
