#include "dialogs/Unit3.h"

#include "app/Design.h"
#include "app/MakeControls.h"
#include "app/Display.h"
#include "app/Guard.h"
#include "app/MainWindow.h"
#include "dialogs/fldbrows.h"
#include "localisation/LanguageLines.h"
#include "platform/FileSystem.h"
#include "platform/NameCompare.h"
#include "platform/PathSeparator.h"
#include "settings/Settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm3::TForm3(MainWindow& main)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_main(main)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("neue maps"));
    setFixedSize(337, 97);
    setFont(designFont(Face::SansSerif, 11));
    Label1 = makeLabel(this, "Label1", QStringLiteral("neue maps befinden sich in:"), 8, 8, font());
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 32, 321, 21);
    Button1 = makeButton(this, "Button1", QStringLiteral("fertig"), {8, 64, 75, 25});
    Button2 = makeButton(this, "Button2", QStringLiteral("abbrechen"), {88, 64, 75, 25});
    Button4 = makeButton(this, "Button4", QStringLiteral("browse..."), {176, 64, 75, 25});
    Button3 = makeButton(this, "Button3", QStringLiteral("desktop"), {256, 64, 75, 25});
    Button2->setEnabled(false);

    Environment& env = main.env();
    connectGuarded(env, Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connectGuarded(env, Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
    connectGuarded(env, Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
    connectGuarded(env, Button4, &QPushButton::clicked, this, &TForm3::Button4Click);
}

void TForm3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    runGuarded(m_main.env(), [this] { FormActivate(); });
}

void TForm3::reject()
{
    // Escape cancels like the cancel button, and only while cancelling is allowed.
    if (Button2->isEnabled())
        QDialog::reject();
}

QString TForm3::promptText() const
{
    QString first = m_main.text(localisation::lines::kNewMaps);
    if (!first.isEmpty() && first[0].unicode() < 0x80)
        first[0] = QLatin1Char(platform::upperAscii(static_cast<char>(first[0].unicode())));
    return first + QLatin1Char(' ') + m_main.text(localisation::lines::kAreLocatedIn) + QLatin1Char(':');
}

void TForm3::FormActivate()
{
    setWindowTitle(m_main.text(localisation::lines::kNewMaps));
    Label1->setText(promptText());
    Label1->adjustSize();
    Button1->setText(m_main.text(localisation::lines::kDone));
    Button2->setText(m_main.text(localisation::lines::kCancel));
    showPath(Button2->isEnabled() ? m_main.newMapsFolder() : m_main.desktopFolder());
}

void TForm3::showPath(const std::string& path)
{
    m_shownPath = path;
    m_shownText = toDisplay(path);
    Edit1->setText(m_shownText);
}

std::string TForm3::enteredPath() const
{
    return Edit1->text() == m_shownText ? m_shownPath : fromDisplay(Edit1->text());
}

void TForm3::Button1Click()
{
    const std::string path = enteredPath();
    if (!platform::folderExists(path)) {
        m_main.env().beep();
        return;
    }
    settings::setLine(m_main.config(), settings::kNewMapsFolderLine, path);
    m_main.saveSettings();
    m_main.setNewMapsFolder(path);
    accept();
    if (!Button2->isEnabled()) {
        m_main.open();
    }
}

void TForm3::Button2Click()
{
    QDialog::reject();
}

void TForm3::Button3Click()
{
    showPath(platform::withSeparator(m_main.desktopFolder()));
}

void TForm3::Button4Click()
{
    TFolderBrowser browser(static_cast<TFolderBrowser::WindowHandle>(winId()), fromDisplay(promptText()), {},
                           false, false);
    if (browser.Execute(m_main.env().folderPicker()))
        showPath(browser.FolderPath);
}
