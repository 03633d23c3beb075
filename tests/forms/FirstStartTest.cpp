// The first start, from a program folder without config.ini to the filled main window.

#include "FormsFixture.h"

#include "app/ComboBox.h"
#include "app/Unit1.h"
#include "dialogs/Unit3.h"
#include "localisation/Unit4.h"
#include "settings/LineList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace {

/// Counts the close events a window receives.
class CloseCounter : public QObject {
public:
    int closes = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            ++closes;
        return false;
    }
};

} // namespace

class FirstStartTest : public QObject {
    Q_OBJECT

private slots:
    void fromNothingToTheMainWindow()
    {
        World world;
        World::put(world.newMaps + native("/DM-Deck.vsm"));
        World::put(world.published + native("/CTF-Face.vsm"));
        Forms& forms = world.start();
        TForm1& form = *forms.Form1;
        TForm4& first = *forms.Form4;
        QCOMPARE(first.ComboBox1->count(), 2);
        QCOMPARE(first.ComboBox1->currentText(), QStringLiteral("Deutsch"));

        form.show();
        QTRY_VERIFY(first.isVisible());
        QTRY_VERIFY(form.isHidden());

        first.ComboBox1->setCurrentIndex(first.ComboBox1->findText(QStringLiteral("English")));
        QTest::mouseClick(first.Button1, Qt::LeftButton);
        QCOMPARE(world.env->messages.size(), 1);
        QVERIFY(world.env->messages[0].startsWith(QStringLiteral("Welcome")));
        QVERIFY(first.isHidden());
        QVERIFY(!first.QuitOnClose);
        QCOMPARE(form.Config[1], std::string("English"));
        QCOMPARE(form.Button1->text(), QStringLiteral("install"));
        QCOMPARE(world.config(), std::string("<missing>"));

        TForm3& folder = *forms.Form3;
        QVERIFY(folder.isVisible());
        QVERIFY(!folder.Button2->isEnabled());
        QCOMPARE(folder.Edit1->text(), QString::fromStdString(world.desktop));
        QVERIFY(form.isHidden());
        QTest::keyClick(&folder, Qt::Key_Escape); // Escape cannot leave it either
        QVERIFY(folder.isVisible());

        folder.Edit1->setText(QString::fromStdString(world.newMaps));
        QTest::mouseClick(folder.Button1, Qt::LeftButton);
        QVERIFY(folder.isHidden());
        QVERIFY(form.isVisible());
        const LineList written = settings::parseLines(world.config());
        QCOMPARE(written.size(), std::size_t(13));
        QCOMPARE(written[1], std::string("English"));
        QCOMPARE(written[5], world.newMaps);
        QCOMPARE(written[7], std::string("true"));
        QCOMPARE(itemsOf(form.newFiles), QStringList{"DM-Deck"});
        QCOMPARE(itemsOf(form.publishedFiles), QStringList{"CTF-Face"});
        QCOMPARE(form.Label6->text(), QStringLiteral("maps"));
        QCOMPARE(form.LanguageBox->currentIndex(), -1);
        QVERIFY(!form.CheckBox2->isChecked());
        QVERIFY(world.env->errors.isEmpty());
    }

    void settingsOutsideAProgramFolderThatCannotBeWritten()
    {
        // Said once, at the first start: the settings are written into the user's folder.
        World world;
        world.settings = world.root.makeFolder("config/vsm-map-manager");
        Forms& forms = world.start();
        QCOMPARE(world.env->messages, QStringList{"Der Programmordner kann nicht beschrieben werden; die Einstellungen liegen in: "
                                                  + QString::fromStdString(world.settings)});
        forms.Form1->show();
        QTRY_VERIFY(forms.Form4->isVisible());
        QTest::mouseClick(forms.Form4->Button1, Qt::LeftButton);
        forms.Form3->Edit1->setText(QString::fromStdString(world.newMaps));
        QTest::mouseClick(forms.Form3->Button1, Qt::LeftButton);
        QCOMPARE(world.config(), std::string("<missing>"));
        QCOMPARE(settings::parseLines(readFile(world.settings + native("/config.ini")))[5], world.newMaps);
        // The next start finds them there and says nothing.
        World::put(world.program + native("/unrelated.txt"));
        world.start();
        QCOMPARE(world.env->messages, QStringList());
        QCOMPARE(world.forms->Form1->NewMapsFolder, world.newMaps);
    }

    void closingTheDialogEndsTheProgramAndWritesNothing()
    {
        World world;
        Forms& forms = world.start();
        CloseCounter counter;
        forms.Form1->installEventFilter(&counter);
        forms.Form1->show();
        QTRY_VERIFY(forms.Form4->isVisible());
        QTest::keyClick(forms.Form4.get(), Qt::Key_Escape); // only the close box ends it
        QVERIFY(forms.Form4->isVisible());
        QCOMPARE(counter.closes, 0);
        forms.Form4->close();
        QCOMPARE(counter.closes, 1);
        QVERIFY(forms.Form1->isHidden());
        QCOMPARE(world.config(), std::string("<missing>"));
    }

    void okWithoutLanguageReportsAndStays()
    {
        World world;
        std::filesystem::remove(world.program + native("/English.ini"));
        std::filesystem::remove(world.program + native("/Deutsch.ini"));
        Forms& forms = world.start();
        TForm4& first = *forms.Form4;
        QCOMPARE(first.ComboBox1->count(), 0);
        first.show();
        QTest::mouseClick(first.Button1, Qt::LeftButton);
        QCOMPARE(world.env->errors, QStringList{"Listenindex überschreitet das Maximum (-1)."});
        QVERIFY(first.isVisible());
        QVERIFY(first.QuitOnClose);

        // A typed name counts only when it is one of the offered languages.
        World typed;
        Forms& typedForms = typed.start();
        typedForms.Form4->show();
        typedForms.Form4->ComboBox1->setEditText(QStringLiteral("english"));
        QTest::mouseClick(typedForms.Form4->Button1, Qt::LeftButton);
        QCOMPARE(typed.env->errors.size(), 1);
        typedForms.Form4->ComboBox1->setEditText(QStringLiteral("English"));
        QTest::mouseClick(typedForms.Form4->Button1, Qt::LeftButton);
        QCOMPARE(typedForms.Form1->Config[1], std::string("English"));
        QVERIFY(typedForms.Form3->isVisible());
    }

    void languageWithoutTheGreetingStopsBeforeTheFolderDialog()
    {
        World world;
        std::string shortFile = "LanguageFile\r\n";
        for (int n = 1; n <= 19; ++n)
            shortFile.append("t").append(std::to_string(n)).append("\r\n");
        World::put(world.program + native("/Short.ini"), shortFile);
        Forms& forms = world.start();
        forms.Form4->show();
        forms.Form4->ComboBox1->setCurrentIndex(forms.Form4->ComboBox1->findText(QStringLiteral("Short")));
        QTest::mouseClick(forms.Form4->Button1, Qt::LeftButton);
        QCOMPARE(world.env->errors, QStringList{"Listenindex überschreitet das Maximum (20)."});
        QCOMPARE(forms.Form1->Config[1], std::string("Short"));
        QVERIFY(forms.Form4->QuitOnClose);
        QVERIFY(forms.Form3->isHidden());
    }
};

QTEST_MAIN(FirstStartTest)
#include "FirstStartTest.moc"
