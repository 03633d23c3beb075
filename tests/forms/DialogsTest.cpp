// The game types dialog, the new-maps folder dialog and its folder browser.

#include "FormsFixture.h"

#include <filesystem>

#include "app/TabControl.h"
#include "app/RealEnvironment.h"
#include "app/Unit1.h"
#include "dialogs/Unit2.h"
#include "dialogs/SystemFolderPicker.h"
#include "dialogs/Unit3.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#ifdef _WIN32
#include <windows.h>
#include <commctrl.h>

#include <functional>
#endif

namespace {

void add(TForm2& dialog, const QString& text)
{
    dialog.Edit1->setText(text);
    click(dialog.Button2);
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void gameTypesAddWithEveryBeep()
    {
        World world;
        world.writeConfig();
        Forms& forms = world.start();
        TForm2& dialog = *forms.Form2;
        dialog.show();
        QCOMPARE(dialog.Button1->text(), QStringLiteral("done"));
        QCOMPARE(dialog.Button3->text(), QStringLiteral("delete"));
        QCOMPARE(dialog.Button2->text(), QStringLiteral("add"));
        QCOMPARE(dialog.ListBox1->count(), 5);

        add(dialog, QStringLiteral("DM"));
        add(dialog, QString());
        add(dialog, QStringLiteral("all"));
        QCOMPARE(world.env->beeps, 3);
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("all")); // a refused text stays

        forms.Form1->gameTypes->tabs()->setCurrentIndex(2);
        add(dialog, QStringLiteral("dm"));
        QCOMPARE(dialog.Edit1->text(), QString());
        QCOMPARE(forms.Form1->gameTypeCaptions(), (QStringList{"all", "DM", "CTF", "VCTF", "WAR", "dm"}));
        QCOMPARE(forms.Form1->gameTypes->tabs()->currentIndex(), 2); // no tab change
        QCOMPARE(world.config(), std::string("Language:\r\nEnglish\r\nMode:\r\ndefault\r\nNewMapsFolderDirectory:\r\n")
                                     + world.newMaps + "\r\ncopyNewMaps:\r\ntrue\r\nGameTypes:\r\nDM\r\nCTF\r\nVCTF\r\nWAR\r\ndm\r\n");

        dialog.Edit1->clear();
        QTest::keyClicks(dialog.Edit1, QStringLiteral("ABCDEFG"));
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("ABCDE"));

        click(dialog.Button1);
        QVERIFY(dialog.isHidden());
        dialog.show();
        QCOMPARE(dialog.ListBox1->count(), 6);
        QCOMPARE(dialog.ListBox1->currentRow(), -1);

        // A name is shown as text, never as markup.
        add(dialog, QStringLiteral("<i>x"));
        forms.Form1->gameTypes->tabs()->setCurrentIndex(6);
        QCOMPARE(forms.Form1->Label18->text(), QStringLiteral("<i>x"));
        QCOMPARE(forms.Form1->Label18->textFormat(), Qt::PlainText);

        // A game type keeps its bytes: one in Windows-1252 stays so in config.ini after a change
        // in the dialog, and its tab finds the maps named in it.
#ifdef _WIN32
        const std::string duel = "D\xC3\xBC" "el"; // names are Unicode here
#else
        const std::string duel = "D\xFC" "el"; // a name keeps its bytes here
#endif
        World legacy;
        legacy.writeConfig({{9, "D\xFC" "el"}}, 10);
        World::put(legacy.newMaps + native("/" + duel + "-Arena.vsm"));
        Forms& other = legacy.start();
        other.Form2->show();
        add(*other.Form2, QStringLiteral("VCTF"));
        QVERIFY(legacy.config().ends_with("GameTypes:\r\nD\xFC" "el\r\nVCTF\r\n"));
        other.Form1->gameTypes->tabs()->setCurrentIndex(1);
        QCOMPARE(itemsOf(other.Form1->newFiles), QStringList{"Düel-Arena"});
    }

    void gameTypesDeleteDownToTheFirstTab()
    {
        World world;
        world.writeConfig();
        Forms& forms = world.start();
        TForm2& dialog = *forms.Form2;
        dialog.show();
        click(dialog.Button3);
        dialog.ListBox1->setCurrentRow(0);
        click(dialog.Button3);
        QCOMPARE(world.env->beeps, 2);

        forms.Form1->gameTypes->tabs()->setCurrentIndex(2);
        QCOMPARE(forms.Form1->FileMask, std::string("CTF*.vsm"));
        dialog.ListBox1->setCurrentRow(2);
        click(dialog.Button3);
        QCOMPARE(forms.Form1->gameTypeCaptions(), (QStringList{"all", "DM", "VCTF", "WAR"}));
        QCOMPARE(forms.Form1->FileMask, std::string("CTF*.vsm")); // the filter stays until a tab is picked
        QVERIFY(world.config().find("GameTypes:\r\nDM\r\nVCTF\r\nWAR\r\n") != std::string::npos);
        // The tab highlighted in its place applies its own filter when clicked.
        QTabBar* tabs = forms.Form1->gameTypes->tabs();
        forms.Form1->show();
        QCOMPARE(tabs->currentIndex(), 2);
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        QCOMPARE(forms.Form1->FileMask, std::string("VCTF*.vsm"));
        QCOMPARE(forms.Form1->Label18->text(), QStringLiteral("VCTF"));
        QTest::keyClick(&dialog, Qt::Key_Escape); // "fertig" is the only way out
        QVERIFY(dialog.isVisible());

        while (dialog.ListBox1->count() > 1) {
            dialog.ListBox1->setCurrentRow(1);
            click(dialog.Button3);
        }
        QCOMPARE(forms.Form1->gameTypeCaptions(), QStringList{"all"});
        QCOMPARE(forms.Form1->Config.size(), std::size_t(9));
        QVERIFY(world.config().size() > 10);
        QCOMPARE(world.config().substr(world.config().size() - 12), std::string("GameTypes:\r\n"));
    }

    void gameTypesAtAFirstRunReplaceTheDefaults()
    {
        World world;
        Forms& forms = world.start();
        forms.Form1->loadLanguage("English");
        TForm2& dialog = *forms.Form2;
        dialog.show();
        QCOMPARE(dialog.ListBox1->count(), 1);
        add(dialog, QStringLiteral("BR"));
        QCOMPARE(world.config(), std::string("Language:\r\n\r\nMode:\r\ndefault\r\nNewMapsFolderDirectory:\r\n\r\n"
                                             "copyNewMaps:\r\ntrue\r\nGameTypes:\r\nBR\r\n"));
    }

    void gameTypesWithoutLanguageReportsAndKeepsTheList()
    {
        World world;
        world.writeConfig({{1, "Nothing"}});
        Forms& forms = world.start();
        world.env->errors.clear();
        forms.Form2->show();
        QCOMPARE(world.env->errors, QStringList{"Listenindex überschreitet das Maximum (15)."});
        QCOMPARE(forms.Form2->ListBox1->count(), 0);
    }

    void newMapsFolderPromptAndButtons()
    {
        World world;
        world.writeConfig({{1, "Deutsch"}});
        Forms& forms = world.start();
        TForm3& dialog = *forms.Form3;
        dialog.Button2->setEnabled(true);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("neue maps"));
        QCOMPARE(dialog.Label1->text(), QStringLiteral("Neue maps befinden sich in:"));
        QCOMPARE(dialog.Button1->text(), QStringLiteral("fertig"));
        QCOMPARE(dialog.Button2->text(), QStringLiteral("abbrechen"));
        QCOMPARE(dialog.Edit1->text(), QString::fromStdString(world.newMaps));

        // Desktop, then finish: the separator is kept and the heading is empty.
        click(dialog.Button3);
        QCOMPARE(dialog.Edit1->text(), QString::fromStdString(world.desktop + native("/")));
        World::put(world.desktop + native("/DM-Desk.vsm"));
        click(dialog.Button1);
        QVERIFY(dialog.isHidden());
        QCOMPARE(forms.Form1->Config[5], world.desktop + native("/"));
        QVERIFY(world.config().find("\r\n" + world.desktop + native("/\r\n")) != std::string::npos);
        QCOMPARE(forms.Form1->Label6->text(), QString());
        QCOMPARE(forms.Form1->NewMapsFolder, world.desktop + native("/"));
        QCOMPARE(itemsOf(forms.Form1->newFiles), QStringList{"DM-Desk"});

        // A file path and an empty path are refused; cancel changes nothing.
        dialog.show();
        dialog.Edit1->setText(QString::fromStdString(World::put(world.root / "file.txt")));
        click(dialog.Button1);
        dialog.Edit1->clear();
        click(dialog.Button1);
        QCOMPARE(world.env->beeps, 2);
        QVERIFY(dialog.isVisible());
        dialog.Edit1->setText(QString::fromStdString(world.newMaps));
        const std::string before = world.config();
        click(dialog.Button2);
        QVERIFY(dialog.isHidden());
        QCOMPARE(world.config(), before);
        QCOMPARE(forms.Form1->NewMapsFolder, world.desktop + native("/"));
    }

    void newMapsFolderFirstLetterRuleAndBrowsing()
    {
        World world;
        World::put(world.program + native("/Umlaut.ini"),
                   "LanguageFile\r\na\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk\r\nl\r\nm\r\nn\r\no\r\np\r\n\xfc" "bersicht\r\nliegt in\r\nz\r\n");
        world.writeConfig({{1, "Umlaut"}});
        Forms& forms = world.start();
        TForm3& dialog = *forms.Form3;
        dialog.Button2->setEnabled(true);
        dialog.show();
        QCOMPARE(dialog.Label1->text(), QStringLiteral("übersicht liegt in:"));

        world.env->pickerAnswers = {std::nullopt, world.root / "downloads"};
        dialog.Edit1->setText(QStringLiteral("typed"));
        click(dialog.Button4);
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("typed"));
        click(dialog.Button4);
        QCOMPARE(dialog.Edit1->text(), QString::fromStdString(world.root / "downloads"));
        QCOMPARE(world.env->pickerTitles, (QStringList{"übersicht liegt in:", "übersicht liegt in:"}));
        click(dialog.Button1);
        QCOMPARE(forms.Form1->Label6->text(), QStringLiteral("downloads"));
    }

    void newMapsFolderFromTheMainWindowOffersCancel()
    {
        World world;
        world.writeConfig();
        Forms& forms = world.start();
        bool cancelEnabled = false;
        QTimer::singleShot(0, [&] {
            cancelEnabled = forms.Form3->Button2->isEnabled();
            forms.Form3->Button2->click();
        });
        QTest::mouseClick(forms.Form1->Button9, Qt::LeftButton);
        QVERIFY(cancelEnabled);
        QVERIFY(forms.Form3->isHidden());
    }

    void gameTypesFromTheMainWindowIsModal()
    {
        World world;
        world.writeConfig();
        Forms& forms = world.start();
        bool modal = false;
        QTimer::singleShot(0, [&] {
            modal = forms.Form2->isModal() && forms.Form2->isVisible();
            forms.Form2->Button1->click();
        });
        QTest::mouseClick(forms.Form1->Button8, Qt::LeftButton);
        QVERIFY(modal);
    }

    void theProgramsOwnBoxesAndPicker()
    {
        World world;
        RealEnvironment env;
        QString seen;
        const auto answer = [&](QMessageBox::StandardButton button) {
            QTimer::singleShot(0, [&seen, button] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                seen = box->windowTitle() + QLatin1Char('|') + box->text() + QLatin1Char('|')
                    + QString::number(box->icon()) + QLatin1Char('|') + QString::number(box->textFormat())
                    + (box->defaultButton() ? QLatin1Char('|') + box->defaultButton()->text() : QString());
                box->button(button)->click();
            });
        };
        answer(QMessageBox::Ok);
        env.showError(QStringLiteral("<b>Datei</b> weg."));
        QCOMPARE(seen, QStringLiteral("VSM Map Manager|<b>Datei</b> weg.|3|0"));
        answer(QMessageBox::No);
        QVERIFY(!env.askYesNo(nullptr, QStringLiteral("...!"), QStringLiteral("Delete?")));
        QCOMPARE(seen, QStringLiteral("...!|Delete?|0|0|&Yes"));
        answer(QMessageBox::Yes);
        QVERIFY(env.askYesNo(nullptr, QStringLiteral("...!"), QStringLiteral("Delete?")));
        env.beep();
#ifdef _WIN32
        // The shell's picker opens at the initial folder; OK gives it back. OK is pressed once its
        // tree has gone down to that folder ("maps"), which takes a busy machine a while.
        TFolderBrowser browser(0, "Pick the maps", world.newMaps, false, false);
        QObject looking; // the looks end with the test, whenever the picker ends
        int looks = 0;
        std::function<void()> pressOkOnceThere = [&] {
            HWND dialog = nullptr;
            EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) -> BOOL {
                char name[16] = {};
                GetClassNameA(window, name, sizeof name);
                if (std::string(name) != "#32770")
                    return TRUE;
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            }, reinterpret_cast<LPARAM>(&dialog));
            HWND tree = dialog ? FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr) : nullptr;
            wchar_t text[64] = {};
            if (tree) {
                TVITEMW item {};
                item.mask = TVIF_TEXT;
                item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
                item.pszText = text;
                item.cchTextMax = 64;
                if (item.hItem)
                    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            }
            if (dialog && (std::wstring(text) == L"maps" || ++looks > 100))
                PostMessageW(dialog, WM_COMMAND, IDOK, 0);
            else
                QTimer::singleShot(100, &looking, pressOkOnceThere);
        };
        QTimer::singleShot(100, &looking, pressOkOnceThere);
        // (A fresh Wine prefix's picker may end before it shows anything, and one on a busy
        // machine may never take the preselection: then nothing, or its root.)
        if (!browser.Execute(env.folderPicker()))
            QVERIFY(browser.FolderPath.empty());
        else if (looks <= 100)
            QCOMPARE(QString::fromStdString(browser.FolderPath), QString::fromStdString(world.newMaps));
        else
            QVERIFY(!browser.FolderPath.empty());
#endif
    }

#ifndef _WIN32
    // The desktop's folder dialog; Windows has the shell's picker instead.
    void desktopFolderPickerKeepsTheShellPickersContract()
    {
        World world;
        World::put(world.newMaps + native("/CTF-Face.vsm"));
        world.root.makeFolder("desktop/.hidden");
        SystemFolderPicker picker(world.desktop);
        const auto dialog = [] { return qobject_cast<QFileDialog*>(QApplication::activeModalWidget()); };
        const auto ok = [](QDialog* shown) { shown->accept(); }; // QFileDialog's own accept()

        // No initial folder: it opens at the desktop, and OK at once gives the folder shown.
        TFolderBrowser plain(0, "Pick the maps", {}, false, false);
        QString title;
        QTimer::singleShot(0, [&] {
            title = dialog()->windowTitle();
            ok(dialog());
        });
        QVERIFY(plain.Execute(picker));
        QCOMPARE(plain.FolderPath, world.desktop);
        QCOMPARE(title, QStringLiteral("Pick the maps"));

        // With a filter, OK is refused for a folder without a match; a position is kept.
        TFolderBrowser filtered(0, "t", world.desktop, false, false);
        filtered.FileFilter = std::string("*.vsm\0", 6);
        filtered.PositionSet = true;
        filtered.Left = 40;
        filtered.Top = 30;
        QPoint position;
        bool refused = false;
        QTimer::singleShot(0, [&] {
            QFileDialog* shown = dialog();
            position = shown->pos();
            ok(shown);
            refused = shown->isVisible();
            shown->setDirectory(QString::fromStdString(world.newMaps));
            ok(shown);
        });
        QVERIFY(filtered.Execute(picker));
        QCOMPARE(filtered.FolderPath, world.newMaps);
        QVERIFY(refused);
        QCOMPARE(position, QPoint(40, 30));

        // A root keeps its separator; cancel gives nothing and a second browse changes nothing.
        TFolderBrowser root(0, "t", "/", false, false);
        QTimer::singleShot(0, [&] { ok(dialog()); });
        QVERIFY(root.Execute(picker));
        QCOMPARE(root.FolderPath, std::string("/"));
        QTimer::singleShot(0, [&] { ok(dialog()); });
        QVERIFY(!root.Execute(picker));
        QCOMPARE(root.FolderPath, std::string("/"));
        TFolderBrowser cancelled(0, "t", world.newMaps, false, false);
        QTimer::singleShot(0, [&] { dialog()->reject(); });
        QVERIFY(!cancelled.Execute(picker));
        QVERIFY(cancelled.FolderPath.empty());
    }
#endif
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
