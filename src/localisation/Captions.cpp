// The main window's languages: discovery, loading, the captions and the language box.

#include "app/Environment.h"
#include "app/ComboBox.h"
#include "app/TabControl.h"
#include "app/Unit1.h"
#include "localisation/LanguageFiles.h"
#include "localisation/LanguageLines.h"
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

QString TForm1::languageText(std::size_t n) const
{
    return m_texts(n);
}

void TForm1::setLanguage()
{
    namespace lines = localisation::lines;
    const auto line = [this](std::size_t n) { return languageText(n); };
    gameTypes->tabs()->setTabText(0, line(lines::kAll));
    Label5->setText(line(lines::kOthers));
    Button1->setText(line(lines::kInstall));
    Button2->setText(line(lines::kInstallAll));
    Label9->setText(line(lines::kStatus));
    Label10->setText(line(lines::kTotalSize));
    Button3->setText(line(lines::kRefresh));
    Button4->setText(line(lines::kDelete));
    Button10->setText(line(lines::kTakeOut));
    Button5->setText(line(lines::kSave));
    Button6->setText(line(lines::kReset));
    Button7->setText(line(lines::kCopy));
    CheckBox2->setText(line(lines::kCopy));
    Button9->setText(line(lines::kNewMaps) + QStringLiteral("..."));
    if (gameTypes->tabs()->currentIndex() == 0)
        setPreviewCaption(line(lines::kAll));
    nameControlsForReaders();
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
