#include "localisation/Unit4.h"

#include "app/Design.h"
#include "app/MakeControls.h"
#include "app/ComboBox.h"
#include "app/Display.h"
#include "app/Guard.h"
#include "app/MainWindow.h"
#include "dialogs/Unit3.h"
#include "localisation/LanguageLines.h"
#include "platform/Errors.h"
#include "settings/Settings.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

TForm4::TForm4(MainWindow& main, TForm3& form3)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_main(main)
    , m_form3(form3)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("first start"));
    setFixedSize(161, 97);
    setFont(designFont(Face::SansSerif, 11));
    Label1 = makeLabel(this, "Label1", QStringLiteral("Please choose a language:"), 8, 8, font());
    ComboBox1 = new ComboBox(this, "ComboBox1");
    ComboBox1->setGeometry(8, 32, 145, 21);
    Button1 = makeButton(this, "Button1", QStringLiteral("ok"), {8, 64, 145, 25});
    connectGuarded(main.env(), Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    runGuarded(main.env(), [this] { FormCreate(); });
}

void TForm4::FormCreate()
{
    for (int i = 0; i < m_main.languageBox().count(); ++i)
        ComboBox1->addEntry(m_main.languageBox().entryBytes(i));
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
}

void TForm4::Button1Click()
{
    // A typed name counts only when it is exactly one of the offered languages.
    const int index = ComboBox1->findText(ComboBox1->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        throw platform::ListIndexError(-1);
    const std::string name = ComboBox1->entryBytes(index);
    m_main.loadLanguage(name);
    settings::setLine(m_main.config(), settings::kLanguageLine, name);
    m_main.env().showMessage(this, m_main.text(localisation::lines::kWelcome));
    QuitOnClose = false;
    m_form3.show();
    close();
}

void TForm4::paintEvent(QPaintEvent* event)
{
    m_main.window().hide();
    QDialog::paintEvent(event);
}

void TForm4::closeEvent(QCloseEvent* event)
{
    if (QuitOnClose)
        m_main.window().close();
    event->accept();
}

void TForm4::reject()
{
    // Only the close box ends the program: a stray Escape does nothing.
}
