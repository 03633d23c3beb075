#include "app/Controls.h"

#include "app/Display.h"
#include "catalogue/MapNames.h"
#include "catalogue/StringArray.h"

#include <utility>

#include <QAbstractItemDelegate>
#include <QAbstractListModel>

#include <QFontDatabase>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

QFont designFont(Face face, int pixelHeight, bool bold)
{
    struct Choice {
        const char* designed;
        const char* substitute;
    };
    static constexpr Choice kChoices[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Arial", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"},
    };
    const Choice& choice = kChoices[static_cast<int>(face)];
    const QString family = QFontDatabase::hasFamily(QString::fromLatin1(choice.designed))
        ? QString::fromLatin1(choice.designed)
        : QString::fromLatin1(choice.substitute);
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QColor textColour(const QWidget* widget)
{
    return widget->palette().color(QPalette::WindowText);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int left, int top, const QFont& font)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect place, bool bold)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    if (bold) {
        QFont font = button->font();
        font.setBold(true);
        button->setFont(font);
    }
    return button;
}

void alignRightEdge(QLabel* label, int right, int top, int height)
{
    const int width = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    label->setGeometry(right - width, top, width, height);
}

StatusIcon::StatusIcon(QWidget* parent, const char* name, const QImage& image, int left, int top)
    : QWidget(parent), m_image(image)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(left, top, image.width(), image.height());
}

void StatusIcon::setAlpha(int alpha)
{
    if (alpha != m_alpha) {
        m_alpha = alpha;
        update();
    }
}

void StatusIcon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setOpacity(m_alpha / 255.0);
    painter.drawImage(0, 0, m_image);
}

TabControl::TabControl(QWidget* parent, const char* name)
    : QWidget(parent), m_tabs(new QTabBar(this))
{
    setObjectName(QString::fromLatin1(name));
    m_tabs->setObjectName(QStringLiteral("%1Tabs").arg(objectName()));
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    m_tabs->move(2, 2);
}

void TabControl::addGameType(const std::string& bytes)
{
    const int index = m_tabs->addTab(toDisplay(bytes));
    m_tabs->setTabData(index, QByteArray::fromStdString(bytes));
}

void TabControl::addGameTypes(const std::vector<std::string>& gameTypes)
{
    // A tab bar lays out its tabs at every insertion, but it passes over hidden tabs: each new
    // tab is hidden until all are in, and showing them again lays out nothing yet.
    const int first = m_tabs->count();
    for (const std::string& bytes : gameTypes) {
        addGameType(bytes);
        m_tabs->setTabVisible(m_tabs->count() - 1, false);
    }
    for (int index = first; index < m_tabs->count(); ++index)
        m_tabs->setTabVisible(index, true);
}

std::string TabControl::gameTypeAt(int index) const
{
    return m_tabs->tabData(index).toByteArray().toStdString();
}

void TabControl::resizeEvent(QResizeEvent*)
{
    m_tabs->resize(width() - 4, m_tabs->sizeHint().height());
}

void TabControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, m_tabs->y() + m_tabs->height() - 1, 0, 0);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

/// The display names of a path list's entries, each derived from its path when asked.
class PathListModel : public QAbstractListModel {
public:
    PathListModel(const StringArray& paths, QObject* parent) : QAbstractListModel(parent), m_paths(paths) {}

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_paths.size());
    }
    /// Each layout asks for the index of every row: answered without the general checks.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override
    {
        const bool inside = row >= 0 && static_cast<std::size_t>(row) < m_paths.size() && column == 0 && !parent.isValid();
        return inside ? createIndex(row, column) : QModelIndex();
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return toDisplay(catalogue::baseName(std::string(m_paths[static_cast<std::size_t>(index.row())])));
    }
    void beginRebuild() { beginResetModel(); }
    void endRebuild() { endResetModel(); }

private:
    const StringArray& m_paths;
};

PathListView::PathListView(QWidget* parent, const char* name, const StringArray& paths)
    : QListView(parent), m_model(new PathListModel(paths, this))
{
    setObjectName(QString::fromLatin1(name));
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_quiet)
            emit userSelectionChanged();
    });
}

PathListView::Rebuild::Rebuild(PathListView& list) : m_list(list)
{
    if (m_list.m_rebuilds++ > 0)
        return;
    m_list.m_quiet = true;
    m_list.m_model->beginRebuild();
}

PathListView::Rebuild::~Rebuild()
{
    if (--m_list.m_rebuilds > 0)
        return;
    m_list.m_model->endRebuild();
    m_list.m_quiet = false;
}

void PathListView::doItemsLayout()
{
    // Every row is one line of the list's font, so all are as high as the first. With that
    // height as the grid, a layout steps through thousands of rows without asking each its size.
    // A grid without width: like a Windows list box, the list does not scroll sideways.
    if (m_rowHeight == 0 && count() > 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        m_rowHeight = itemDelegate()->sizeHint(option, m_model->index(0)).height();
        setGridSize({0, m_rowHeight});
    }
    QListView::doItemsLayout();
}

void PathListView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_rowHeight = 0;
        setGridSize({});
    }
    QListView::changeEvent(event);
}

int PathListView::count() const
{
    return m_model->rowCount();
}

QString PathListView::item(int index) const
{
    return m_model->index(index).data().toString();
}

int PathListView::itemIndex() const
{
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void PathListView::setItemIndex(int index)
{
    const bool quiet = std::exchange(m_quiet, true);
    if (index < 0 || index >= count())
        selectionModel()->clear();
    else
        selectionModel()->setCurrentIndex(m_model->index(index), QItemSelectionModel::ClearAndSelect);
    m_quiet = quiet;
}

ComboBox::ComboBox(QWidget* parent, const char* name)
    : QComboBox(parent)
{
    setObjectName(QString::fromLatin1(name));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(this, &QComboBox::activated, this, [this] {
        if (!m_typed)
            emit entryPicked();
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_typed = true; });
}

void ComboBox::addEntry(const std::string& bytes)
{
    addItem(toDisplay(bytes), QByteArray::fromStdString(bytes));
}

std::string ComboBox::entryBytes(int index) const
{
    return itemData(index).toByteArray().toStdString();
}

int ComboBox::findEntry(const std::string& bytes) const
{
    return findData(QByteArray::fromStdString(bytes));
}

void ComboBox::showPopup()
{
    m_typed = false;
    QComboBox::showPopup();
}

void ComboBox::keyPressEvent(QKeyEvent* event)
{
    // Moving through the entries picks them; Return after typing does not.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        m_typed = false;
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

void ComboBox::wheelEvent(QWheelEvent* event)
{
    m_typed = false;
    QComboBox::wheelEvent(event);
}
