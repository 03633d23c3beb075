// The main window's languages: discovery, loading, the captions and the language box.

#include "app/Controls.h"
#include "app/Display.h"
#include "app/Environment.h"
#include "app/Unit1.h"
#include "localisation/LanguageFiles.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>

void TForm1::listLanguages()
{
    for (const std::string& name : localisation::discoverLanguages(m_env.programFolder(), ListBox4))
        LanguageBox->addEntry(name);
    LanguageBox->setCurrentIndex(-1);
}

void TForm1::loadLanguage(const std::string& name)
{
    Language = localisation::loadLanguageFile(m_env.programFolder(), name);
    setLanguage();
}

const std::string& TForm1::languageLine(std::size_t n) const
{
    return settings::lineAt(Language, n);
}

void TForm1::setLanguage()
{
    const auto line = [this](std::size_t n) { return toDisplay(languageLine(n)); };
    gameTypes->tabs()->setTabText(0, line(1));
    Label5->setText(line(2));
    Button1->setText(line(3));
    Button2->setText(line(4));
    Label9->setText(line(7));
    Label10->setText(line(8));
    Button3->setText(line(9));
    Button4->setText(line(10));
    Button5->setText(line(11));
    Button6->setText(line(12));
    Button7->setText(line(13));
    CheckBox2->setText(line(13));
    Button9->setText(line(17) + QStringLiteral("..."));
    if (gameTypes->tabs()->currentIndex() == 0)
        setPreviewCaption(line(1));
}

void TForm1::LanguageBoxSelect()
{
    const std::string name = LanguageBox->entryBytes(LanguageBox->currentIndex());
    try {
        loadLanguage(name);
    } catch (const std::exception&) {
        // A missing or short language file applies what it can, without a message.
    }
    settings::setLine(Config, settings::kLanguageLine, name);
    saveSettings();
}
