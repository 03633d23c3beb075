// The main window's controls at their designed places.

#include "app/Unit1.h"

#include "app/Design.h"
#include "app/MakeControls.h"
#include "app/StatusIcon.h"
#include "app/TabControl.h"
#include "app/ComboBox.h"
#include "app/PathListView.h"
#include "catalogue/MapNames.h"
#include "operations/DetailsPanel.h"
#include "operations/IniEditorPanel.h"
#include "operations/PublishedStatus.h"
#include "operations/SelectionSize.h"

#include <tuple>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>

namespace {

/// The width of the three map lists.
constexpr int kListWidth = 305;

QFrame* makePanel(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(left, top, width, height);
    return panel;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const QString& text, QRect place)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(place);
    return box;
}

/// A label of fixed size with the given alignment.
QLabel* makeFixedLabel(QWidget* parent, const char* name, const QString& text, QRect place, const QFont& font,
                       Qt::Alignment alignment = Qt::AlignLeft)
{
    QLabel* label = makeLabel(parent, name, text, place.left(), place.top(), font);
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QPixmap picture(const char* name)
{
    return QPixmap(QStringLiteral(":/images/%1.png").arg(QString::fromLatin1(name)));
}

QImage icon(const char* name)
{
    return QImage(QStringLiteral(":/images/%1.png").arg(QString::fromLatin1(name)))
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

/// Where a list's filter field begins: the count label to its left keeps the rest of the width.
constexpr int kFilterLeft = 184;

/// A list's count label: as wide as the room beside the filter, so that a new count needs no new size.
QLabel* makeCountLabel(QWidget* panel, const char* name, const QFont& font)
{
    QLabel* label = makeLabel(panel, name, QStringLiteral("( 0 Dateien )"), 8, 28, font);
    label->resize(kFilterLeft - 8 - 4, label->height());
    return label;
}

/// A list's filter field, in its panel beside the count label and above the list.
QLineEdit* makeFilter(QWidget* panel, const char* name)
{
    auto* field = new QLineEdit(panel);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(kFilterLeft, 26, 8 + kListWidth - kFilterLeft, 20);
    field->setClearButtonEnabled(true);
    return field;
}

/// The designer names of the controls each map-list panel has, in one shape: the panel, its
/// heading, the count label, the filter field and the list.
struct ListPanelNames {
    const char* panel;
    const char* heading;
    const char* count;
    const char* filter;
    const char* list;
};

/// The controls of one map-list panel, as made.
struct ListPanel {
    QFrame* panel;
    QLabel* heading;
    QLabel* count;
    QLineEdit* filter;
    PathListView* list;
};

/// Makes a map-list panel in `window` at `left` whose list shows `paths`.
ListPanel makeListPanel(QWidget* window, const ListPanelNames& names, int left, const QString& heading,
                        const StringArray& paths, int listTop, int listHeight)
{
    ListPanel made;
    made.panel = makePanel(window, names.panel, left, 8, 321, 393);
    made.heading = makeLabel(made.panel, names.heading, heading, 8, 8, designFont(Face::Arial, 13, true));
    made.count = makeCountLabel(made.panel, names.count, designFont(Face::Arial, 13));
    made.filter = makeFilter(made.panel, names.filter);
    made.list = new PathListView(made.panel, names.list, paths);
    made.list->setGeometry(8, listTop, kListWidth, listHeight);
    return made;
}

} // namespace

void TForm1::createControls()
{
    setFont(designFont(Face::SansSerif, 11));
    createListPanels();
    createDetailsPanel();
    createGameTypeTabs();
    createOptionsPanel();
    createIniEditor();
    const QFont arial13 = designFont(Face::Arial, 13);
    // The credits
    Label16 = makeFixedLabel(this, "Label16", QStringLiteral("Maps in, game on."),
                             {kCredit16Left, 670, 214, 16}, arial13, Qt::AlignRight);
    Label17 = makeFixedLabel(this, "Label17", QStringLiteral("For the players of Vesmar Arena."),
                             {kCredit17Left, 688, 239, 16}, arial13, Qt::AlignRight);
}

void TForm1::createListPanels()
{
    const auto listed = [this](const ListPanel& panel, TStringArray& paths, std::function<std::string()> folder) {
        m_lists.emplace_back(catalogue::MapListPanel::Controls {panel.list, panel.count, panel.filter}, paths,
                             std::move(folder), m_texts);
    };
    m_lists.reserve(std::size(kListKinds));
    ListPanel panel = makeListPanel(this, {"Panel2", "Label6", "Label13", "newFilter", "newFiles"}, 8,
                                      QStringLiteral("neue Maps-Ordnername"), ListBox1, 48, 289);
    std::tie(Panel2, Label6, Label13, newFilter, newFiles) = std::tie(panel.panel, panel.heading, panel.count, panel.filter, panel.list);
    listed(panel, ListBox1, [this] { return NewMapsFolder; });
    CheckBox2 = makeCheckBox(Panel2, "CheckBox2", QStringLiteral("kopieren"), {8, 341, 97, 17});
    Button1 = makeButton(Panel2, "Button1", QStringLiteral("installieren"), {8, 360, 97, 25});
    Button2 = makeButton(Panel2, "Button2", QStringLiteral("alle installieren"), {112, 360, 201, 25}, true);

    panel = makeListPanel(this, {"Panel3", "Label7", "Label14", "publishedFilter", "publishedFiles"}, 336,
                            QStringLiteral("published"), ListBox2, 51, 302);
    std::tie(Panel3, Label7, Label14, publishedFilter, publishedFiles) = std::tie(panel.panel, panel.heading, panel.count, panel.filter, panel.list);
    listed(panel, ListBox2, [this] { return catalogue::publishedFolder(DocumentsFolder); });
    Button4 = makeButton(Panel3, "Button4", QStringLiteral("löschen"), {128, 360, 75, 25});
    Button10 = makeButton(Panel3, "Button10", QStringLiteral("herausnehmen"), {210, 360, 103, 25});

    panel = makeListPanel(this, {"Panel4", "Label12", "Label15", "unpublishedFilter", "unpublishedFiles"}, 664,
                            QStringLiteral("unpublished"), ListBox3, 51, 302);
    std::tie(Panel4, Label12, Label15, unpublishedFilter, unpublishedFiles) = std::tie(panel.panel, panel.heading, panel.count, panel.filter, panel.list);
    listed(panel, ListBox3, [this] { return catalogue::unpublishedFolder(DocumentsFolder); });
    Button7 = makeButton(Panel4, "Button7", QStringLiteral("kopieren"), {8, 360, 75, 25}, true);
    Panel4->hide();
}

void TForm1::createDetailsPanel()
{
    const QFont sans = font();
    const QFont arial13 = designFont(Face::Arial, 13);
    Panel1 = makePanel(this, "Panel1", 8, 408, 361, 297);
    Label4 = makeFixedLabel(Panel1, "Label4", QStringLiteral("- - -"), {8, 8, 345, 17},
                            designFont(Face::Arial, 15, true), Qt::AlignHCenter);
    setTextColour(Label4, colours::maroon);
    Shape1 = new QFrame(Panel1);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(8, 32, 225, 241);
    Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { background: white; border: 1px solid black; }"));
    VSMexists = new StatusIcon(Panel1, "VSMexists", icon("vsmexists"), 22, 41);
    INIexists = new StatusIcon(Panel1, "INIexists", icon("iniexists"), 27, 97);
    LOCexists = new StatusIcon(Panel1, "LOCexists", icon("fileexists"), 27, 153);
    othersexists = new StatusIcon(Panel1, "othersexists", icon("fileexists"), 27, 209);
    Label1 = makeLabel(Panel1, "Label1", QString::fromLatin1(catalogue::kPackageExtension), 88, 61, sans);
    Label2 = makeLabel(Panel1, "Label2", QString::fromLatin1(catalogue::kIniSuffix), 88, 117, sans);
    Label3 = makeLabel(Panel1, "Label3", QString::fromLatin1(catalogue::kLocalisationSuffix), 89, 173, sans);
    Label5 = makeFixedLabel(Panel1, "Label5", QStringLiteral("others"), {89, 229, 72, 13}, sans);
    for (QLabel* caption : {Label1, Label2, Label3, Label5})
        setTextColour(caption, colours::silver);
    iniedit = new QToolButton(Panel1);
    iniedit->setObjectName(QStringLiteral("iniedit"));
    iniedit->setGeometry(162, 112, 26, 26);
    iniedit->setIcon(picture("iniedit"));
    iniedit->setIconSize({20, 20});
    iniedit->setToolTip(QStringLiteral("create ini"));
    iniedit->hide();
    Label9 = makeFixedLabel(Panel1, "Label9", QStringLiteral("Status"), {240, 32, 113, 17}, arial13);
    Label8 = makeFixedLabel(Panel1, "Label8", QStringLiteral("-"), {240, 48, 113, 17}, arial13, Qt::AlignRight);
    Label10 = makeFixedLabel(Panel1, "Label10", QStringLiteral("Gesamtgröße"), {240, 80, 113, 17}, arial13);
    Label11 = makeFixedLabel(Panel1, "Label11", QStringLiteral("0 MB"), {240, 96, 113, 17}, arial13, Qt::AlignRight);
    SelectionCount = makeFixedLabel(Panel1, "SelectionCount", {}, {240, 128, 113, 17}, arial13);
    SelectionSize = makeFixedLabel(Panel1, "SelectionSize", {}, {240, 144, 113, 17}, arial13, Qt::AlignRight);
    SelectionCount->hide();
    SelectionSize->hide();
    FullMapPath = makeFixedLabel(Panel1, "FullMapPath", QStringLiteral("-"), {8, 277, 345, 15},
                                 designFont(Face::ArialNarrow, 11), Qt::AlignRight);
    m_details = std::make_unique<operations::DetailsPanel>(
        operations::DetailsPanel::Controls {Label4, Label11, FullMapPath, {VSMexists, INIexists, LOCexists, othersexists},
                                            {Label1, Label2, Label3, Label5}, iniedit},
        m_texts);
    m_publishedStatus = std::make_unique<operations::PublishedStatus>(m_env, this, Label8, m_texts);
    m_selectionSize = std::make_unique<operations::SelectionSize>(m_env, this, SelectionCount, SelectionSize, m_texts);

}

void TForm1::createGameTypeTabs()
{
    gameTypes = new TabControl(this, "gameTypes");
    gameTypes->setGeometry(376, 408, 281, 169);
    gameTypes->tabs()->addTab(QStringLiteral("alle"));
    Shape2 = new QFrame(gameTypes);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(13, 28, 252, 133);
    Shape2->setStyleSheet(QStringLiteral("QFrame#Shape2 { border: 1px solid rgb(128, 0, 0); }"));
    typePreview = new QLabel(gameTypes);
    typePreview->setObjectName(QStringLiteral("typePreview"));
    typePreview->setGeometry(14, 29, 250, 131);
    const QFont typeFont = designFont(Face::Arial, 21, true);
    Label18 = makeLabel(gameTypes, "Label18", {}, 224, 132, typeFont);
    Label19 = makeLabel(gameTypes, "Label19", {}, 223, 131, typeFont);
    setTextColour(Label18, colours::black);
    setTextColour(Label19, colours::white);
    setPreviewCaption(QStringLiteral("alle"));
    Image5 = picture("ctf");
    Image6 = picture("general");
    Image7 = picture("dm");
    Image8 = picture("vctf");
    Image9 = picture("war");

}

void TForm1::createOptionsPanel()
{
    const QFont sans = font();
    Panel5 = makePanel(this, "Panel5", 376, 584, 281, 81);
    QFont bold = sans;
    bold.setBold(true);
    Label20 = makeLabel(Panel5, "Label20", QStringLiteral("Optionen"), 8, 8, bold);
    CheckBox1 = makeCheckBox(Panel5, "CheckBox1", QStringLiteral("Mapper mode"), {8, 24, 97, 17});
    Label21 = makeLabel(Panel5, "Label21", QStringLiteral("Language: "), 8, 48, sans);
    LanguageBox = new ComboBox(Panel5, "LanguageBox");
    LanguageBox->setGeometry(65, 45, 120, 21);
    Label21->setBuddy(LanguageBox);
    Button9 = makeButton(Panel5, "Button9", QStringLiteral("neue maps..."), {104, 8, 81, 25});
    Button3 = makeButton(Panel5, "Button3", QStringLiteral("aktualisieren"), {192, 8, 81, 25});
    Button8 = makeButton(Panel5, "Button8", QStringLiteral("gameTypes..."), {192, 43, 81, 25});

}

void TForm1::createIniEditor()
{
    Panel6 = makePanel(this, "Panel6", 664, 408, 321, 257);
    iniContent = new QPlainTextEdit(Panel6);
    iniContent->setObjectName(QStringLiteral("iniContent"));
    iniContent->setGeometry(8, 8, 305, 209);
    iniContent->setLineWrapMode(QPlainTextEdit::NoWrap);
    iniContent->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Button5 = makeButton(Panel6, "Button5", QStringLiteral("speichern"), {8, 224, 75, 25});
    Button6 = makeButton(Panel6, "Button6", QStringLiteral("zurücksetzen"), {239, 224, 75, 25});
    Panel6->hide();
    m_editor = std::make_unique<operations::IniEditorPanel>(iniContent, Panel6);
}

catalogue::MapListPanel* TForm1::listPanel(ListKind kind)
{
    const auto index = static_cast<std::size_t>(kind) - 1;
    return index < m_lists.size() ? &m_lists[index] : nullptr;
}

std::vector<std::string> TForm1::selectedPaths(ListKind kind)
{
    return listPanel(kind)->selectedPaths();
}

std::vector<std::string> TForm1::shownPaths(ListKind kind)
{
    return listPanel(kind)->shownPaths();
}
