// The main window: creation, start-up, activation, the two modes and the options buttons.

#include "app/Unit1.h"

#include "app/TabControl.h"
#include "app/MakeControls.h"
#include "app/ComboBox.h"
#include "app/PathListView.h"
#include "app/Display.h"
#include "app/Guard.h"
#include "app/Version.h"
#include "catalogue/MapNames.h"
#include "localisation/LanguageLines.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "localisation/Unit4.h"
#include "operations/IniTemplate.h"
#include "operations/DetailsPanel.h"
#include "operations/IniEditorPanel.h"
#include "operations/PublishedStatus.h"
#include "operations/SelectionSize.h"
#include "platform/FileSystem.h"
#include "settings/Settings.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int kClientHeight = 713;
constexpr int kNormalWidth = 665;  // 673 with the window frame
constexpr int kMapperWidth = 993;  // 1001 with the window frame

} // namespace

TForm1::TForm1(Environment& env)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_env(env)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("VSM Map Manager v" VSM_VERSION_TEXT));
    setFixedSize(kMapperWidth, kClientHeight);
    DefaultConfig = settings::defaultConfig();
    Memo2 = operations::iniTemplate();
    createControls();
    setTabOrder();
    // The window opens with the keyboard in the list of new maps, where Ctrl+V adds maps (a
    // filter field would paste the text).
    newFiles->setFocus();
    connectHandlers();
    runGuarded(m_env, [this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::setDialogs(TForm2* form2, TForm3* form3, TForm4* form4)
{
    m_form2 = form2;
    m_form3 = form3;
    m_form4 = form4;
}

void TForm1::connectHandlers()
{
    // Maps dropped from a file manager or pasted from its clipboard (the INI editor keeps its own paste).
    setAcceptDrops(true);
    connectGuarded(m_env, new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, &TForm1::pasteMaps);
    connectGuarded(m_env, CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);
    connectGuarded(m_env, CheckBox2, &QCheckBox::toggled, this, &TForm1::CheckBox2Click);
    connectGuarded(m_env, Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connectGuarded(m_env, Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connectGuarded(m_env, Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connectGuarded(m_env, Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connectGuarded(m_env, Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connectGuarded(m_env, Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connectGuarded(m_env, Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connectGuarded(m_env, Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    connectGuarded(m_env, Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connectGuarded(m_env, Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connectGuarded(m_env, iniedit, &QToolButton::clicked, this, &TForm1::inieditClick);
    connectGuarded(m_env, iniContent, &QPlainTextEdit::textChanged, this, &TForm1::iniContentChange);
    connectGuarded(m_env, newFiles, &PathListView::userSelectionChanged, this, &TForm1::newFilesClick);
    connectGuarded(m_env, publishedFiles, &PathListView::userSelectionChanged, this, &TForm1::publishedFilesClick);
    connectGuarded(m_env, unpublishedFiles, &PathListView::userSelectionChanged, this, &TForm1::unpublishedFilesClick);
    connectGuarded(m_env, gameTypes->tabs(), &QTabBar::currentChanged, this, &TForm1::gameTypesChange);
    connect(gameTypes->tabs(), &QTabBar::tabBarClicked, this,
            [this](int index) { runGuarded(m_env, [&] { gameTypesClick(index); }); });
    connectGuarded(m_env, LanguageBox, &ComboBox::entryPicked, this, &TForm1::LanguageBoxSelect);
    connectListKeys();
}

void TForm1::connectListKeys()
{
    const auto guarded = [this](auto handler) { return [this, handler] { runGuarded(m_env, handler); }; };
    // Each filter narrows its list as the user types; Esc empties it. The list last used, by
    // keyboard or mouse, is the one whose filter Ctrl+F goes to.
    for (const ListKind kind : kListKinds) {
        const catalogue::MapListPanel& list = *listPanel(kind);
        connect(list.filter(), &QLineEdit::textChanged, this, guarded([this, kind] { filterChange(kind); }));
        connect(new QShortcut(Qt::Key_Escape, list.filter(), nullptr, nullptr, Qt::WidgetShortcut), &QShortcut::activated,
                this, guarded([field = list.filter()] { field->clear(); }));
        connect(list.view(), &PathListView::focused, this, guarded([this, kind] { m_lastListKind = kind; }));
    }
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, guarded([this] { focusFilter(); }));
    connect(new QShortcut(Qt::Key_F5, this), &QShortcut::activated, this, guarded([this] { Button3Click(); }));
    // Enter in the new maps installs the selection; Delete in the published maps asks to delete it.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(key, newFiles, nullptr, nullptr, Qt::WidgetShortcut), &QShortcut::activated, this,
                guarded([this] { Button1Click(); }));
    connect(new QShortcut(QKeySequence::Delete, publishedFiles, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, guarded([this] { Button4Click(); }));
}

void TForm1::setTabOrder()
{
    // Panel by panel as the window shows them, left to right and top to bottom, and in each
    // panel its controls in reading order.
    QWidget* const order[] = {
        newFilter, newFiles, CheckBox2, Button1, Button2,
        publishedFilter, publishedFiles, Button4, Button10,
        unpublishedFilter, unpublishedFiles, Button7,
        iniedit, gameTypes->tabs(),
        CheckBox1, Button9, Button3, LanguageBox, Button8,
        iniContent, Button5, Button6,
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TForm1::FormCreate()
{
    DocumentsFolder = m_env.documentsFolder();
    DesktopFolder = m_env.desktopFolder();
    setClientWidth(kNormalWidth);
    listLanguages();

    const std::string configPath = settings::configPath(m_env.settingsFolder());
    if (platform::fileExists(configPath)) {
        Config = settings::loadSettings(configPath);
        settings::completeFromDefaults(Config, DefaultConfig);
        try {
            loadLanguage(Config[settings::kLanguageLine]);
        } catch (const std::exception&) {
            // A missing or short language file leaves the captions that were applied.
        }
        if (Config[settings::kModeLine] == "mapper") {
            MapperMode = true;
            CheckBox1->setChecked(true);
            setModeWidth(true);
            Panel4->show();
        }
        NewMapsFolder = Config[settings::kNewMapsFolderLine];
        setNewMapsHeading(NewMapsFolder);
        if (Config[settings::kCopyOptionLine] == "true")
            CheckBox2->setChecked(true);
        {
            const QSignalBlocker quiet(gameTypes->tabs());
            gameTypes->addGameTypes({Config.begin() + static_cast<std::ptrdiff_t>(settings::kFirstGameTypeLine), Config.end()});
        }
        LanguageBox->setCurrentIndex(LanguageBox->findEntry(Config[settings::kLanguageLine]));
    } else {
        Config = DefaultConfig;
        FirstStart = true;
        // Said once: at the first start whose settings cannot live beside the program.
        if (m_env.settingsFolder() != m_env.programFolder())
            m_env.showMessage(this, languageText(localisation::lines::kSettingsElsewhere) + QLatin1Char(' ')
                                        + toDisplay(m_env.settingsFolder()));
    }
    FileMask = catalogue::kMapMask;
    if (!FirstStart)
        refreshAllFileLists();
    typePreview->setPixmap(Image6);
    nameControlsForReaders();
}

void TForm1::FormActivate()
{
    if (FirstStart) {
        FirstStart = false;
        m_form4->show();
    }
}

void TForm1::CheckBox1Click()
{
    if (CheckBox1->isChecked()) {
        MapperMode = true;
        m_details->setMapperMode(true);
        setModeWidth(true);
        Panel4->show();
        m_editor->placeWaitingText();
        Panel6->show();
        settings::setLine(Config, settings::kModeLine, "mapper");
    } else {
        MapperMode = false;
        m_details->setMapperMode(false);
        setModeWidth(false);
        Panel4->hide();
        Panel6->hide();
        if (unpublishedFiles->itemIndex() != -1) {
            unpublishedFiles->setItemIndex(-1);
            showMapInfo({});
        }
        settings::setLine(Config, settings::kModeLine, "default");
    }
    saveSettings();
}

void TForm1::CheckBox2Click()
{
    settings::setLine(Config, settings::kCopyOptionLine, CheckBox2->isChecked() ? "true" : "false");
    saveSettings();
}

void TForm1::Button8Click()
{
    m_form2->exec();
}

void TForm1::Button9Click()
{
    m_form3->Button2->setEnabled(true);
    m_form3->exec();
}

void TForm1::saveSettings()
{
    settings::saveSettings(settings::configPath(m_env.settingsFolder()), Config);
}

void TForm1::setClientWidth(int width)
{
    setFixedSize(width, kClientHeight);
}

void TForm1::setModeWidth(bool mapper)
{
    // The credits' right edges line up with the rightmost visible panel.
    const int shift = mapper ? kMapperWidth - kNormalWidth : 0;
    setClientWidth(mapper ? kMapperWidth : kNormalWidth);
    Label16->move(kCredit16Left + shift, Label16->y());
    Label17->move(kCredit17Left + shift, Label17->y());
}

void TForm1::setNewMapsHeading(const std::string& folder)
{
    Label6->setText(toDisplay(catalogue::lastComponent(folder)));
    Label6->adjustSize();
    nameControlsForReaders();
}

void TForm1::setPreviewCaption(const QString& caption)
{
    // Both grow to the left: their right edges stay where the design puts them.
    Label18->setText(caption);
    Label19->setText(caption);
    alignRightEdge(Label18, 258, 132, 24);
    alignRightEdge(Label19, 257, 131, 24);
}

void TForm1::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        // Without a window manager nothing would make the window active, and a first
        // start waits for that activation.
        activateWindow();
    }
    QWidget::showEvent(event);
}

bool TForm1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        runGuarded(m_env, [this] { FormActivate(); });
    return QWidget::event(event);
}
