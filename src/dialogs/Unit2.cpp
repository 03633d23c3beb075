#include "dialogs/Unit2.h"

#include "app/TabControl.h"
#include "app/Design.h"
#include "app/MakeControls.h"
#include "app/Display.h"
#include "app/Guard.h"
#include "app/MainWindow.h"
#include "localisation/LanguageLines.h"
#include "settings/Settings.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>

TForm2::TForm2(MainWindow& main)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_main(main)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("gameTypes"));
    setFixedSize(145, 249);
    setFont(designFont(Face::SansSerif, 11));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 8, 129, 153);
    Button3 = makeButton(this, "Button3", QStringLiteral("löschen"), {8, 168, 129, 20});
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 192, 81, 21);
    Edit1->setMaxLength(5);
    Button2 = makeButton(this, "Button2", QStringLiteral("neu"), {96, 192, 41, 21});
    Button1 = makeButton(this, "Button1", QStringLiteral("fertig"), {8, 216, 129, 25});

    Environment& env = main.env();
    connectGuarded(env, Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connectGuarded(env, Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connectGuarded(env, Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    runGuarded(m_main.env(), [this] { FormActivate(); });
}

void TForm2::reject()
{
    // "fertig" is the only way out: Escape does nothing.
}

void TForm2::FormActivate()
{
    Button1->setText(m_main.text(localisation::lines::kDone));
    Button3->setText(m_main.text(localisation::lines::kDelete));
    Button2->setText(m_main.text(localisation::lines::kAdd));
    // Each game type keeps its bytes beside the text it shows.
    ListBox1->clear();
    ListBox1->addItem(m_main.gameTypeTabs().tabs()->tabText(0));
    for (int i = 1; i < m_main.gameTypeTabs().tabs()->count(); ++i)
        addGameTypeItem(m_main.gameTypeTabs().gameTypeAt(i));
}

void TForm2::addGameTypeItem(const std::string& bytes)
{
    auto* item = new QListWidgetItem(toDisplay(bytes), ListBox1);
    item->setData(Qt::UserRole, QByteArray::fromStdString(bytes));
}

void TForm2::Button1Click()
{
    accept();
}

void TForm2::Button2Click()
{
    const QString text = Edit1->text();
    if (!ListBox1->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty() || text.isEmpty()) {
        m_main.env().beep();
        return;
    }
    const std::string bytes = fromDisplay(text);
    addGameTypeItem(bytes);
    {
        const QSignalBlocker quiet(m_main.gameTypeTabs().tabs());
        m_main.gameTypeTabs().addGameType(bytes);
    }
    saveGameTypes();
    Edit1->clear();
}

void TForm2::Button3Click()
{
    const int index = ListBox1->currentRow();
    if (index <= 0 || !ListBox1->currentItem()->isSelected()) {
        m_main.env().beep();
        return;
    }
    {
        const QSignalBlocker quiet(m_main.gameTypeTabs().tabs());
        m_main.gameTypeTabs().tabs()->removeTab(index);
    }
    delete ListBox1->takeItem(index);
    saveGameTypes();
}

void TForm2::saveGameTypes()
{
    std::vector<std::string> gameTypes;
    for (int i = 1; i < ListBox1->count(); ++i)
        gameTypes.push_back(ListBox1->item(i)->data(Qt::UserRole).toByteArray().toStdString());
    settings::replaceGameTypes(m_main.config(), gameTypes);
    m_main.saveSettings();
}
