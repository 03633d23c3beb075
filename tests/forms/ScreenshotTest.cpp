// Renders the windows as a user sees them, into $VSM_SCREENSHOT_DIR when it is set.

#include "FormsFixture.h"

#include "app/ComboBox.h"
#include "app/PathListView.h"
#include "app/TabControl.h"
#include "app/Unit1.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "localisation/Unit4.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

/// Grabs a window and saves it as `name`.png when screenshots are asked for.
QImage shoot(QWidget& window, const char* name)
{
    const QImage image = window.grab().toImage();
    const QByteArray folder = qgetenv("VSM_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        image.save(QString::fromUtf8(folder) + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    return image;
}

void fillWorld(World& world)
{
    const char* maps[] = {"DM-Deck", "CTF-Face", "VCTF-Tank", "WAR-Hill", "DM-Arena", "CTF-Twin-Towers", "BR-Island"};
    for (const char* map : maps)
        World::put(world.newMaps + native("/") + map + ".vsm", std::string(734003, 'm'));
    World::put(world.newMaps + native("/CTF-Face.ini"), "[CTF-Face VSUIDataProvider_MapInfo]\r\nMapName=CTF-Face\r\nFriendlyName=Face\r\n"
                                                "NumPlayers=2 to 8 players          \r\nDescription=Low gravity\r\n");
    World::put(world.newMaps + native("/CTF-Face_LOC_INT.vsp"), std::string(300000, 'l'));
    World::put(world.newMaps + native("/old/DM-Classic.vsm"));
    World::put(world.published + native("/DM-Morpheus.vsm"));
    World::put(world.published + native("/CTF-Coret.vsm"));
    World::put(world.unpublished + native("/CTF-Work.vsm"));
    World::put(world.unpublished + native("/DM-Draft.vsm"));
}

} // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void mainWindowInBothModesAndLanguages()
    {
        for (const char* language : {"English", "Deutsch"}) {
            World world;
            world.writeConfig({{1, language}, {7, "false"}});
            fillWorld(world);
            TForm1& form = *world.start().Form1;
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.newFiles->setItemIndex(1);
            form.newFilesClick();
            shoot(form, (std::string("normal-") + language).c_str());

            form.CheckBox1->setChecked(true);
            form.gameTypes->tabs()->setCurrentIndex(2);
            form.newFiles->setItemIndex(0);
            form.newFilesClick();
            shoot(form, (std::string("mapper-") + language).c_str());
        }
    }

    void dialogs()
    {
        World world;
        world.writeConfig();
        Forms& forms = world.start();
        forms.Form2->show();
        QVERIFY(QTest::qWaitForWindowExposed(forms.Form2.get()));
        shoot(*forms.Form2, "dialog-gametypes");
        forms.Form2->hide();
        forms.Form3->Button2->setEnabled(true);
        forms.Form3->show();
        QVERIFY(QTest::qWaitForWindowExposed(forms.Form3.get()));
        shoot(*forms.Form3, "dialog-newmaps");
        forms.Form3->hide();
        forms.Form4->show();
        QVERIFY(QTest::qWaitForWindowExposed(forms.Form4.get()));
        QCOMPARE(shoot(*forms.Form4, "dialog-firststart").size(), QSize(161, 97));
    }

    void mainWindowRightAfterAFirstStart()
    {
        World world;
        fillWorld(world);
        Forms& forms = world.start();
        forms.Form1->show();
        QTRY_VERIFY(forms.Form4->isVisible());
        forms.Form4->ComboBox1->setCurrentIndex(forms.Form4->ComboBox1->findText(QStringLiteral("English")));
        forms.Form4->Button1->click();
        forms.Form3->Edit1->setText(QString::fromStdString(world.newMaps));
        forms.Form3->Button1->click();
        QVERIFY(QTest::qWaitForWindowExposed(forms.Form1.get()));
        QCOMPARE(shoot(*forms.Form1, "after-first-start").size(), QSize(665, 713));
    }
};

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
