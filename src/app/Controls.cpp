#include "app/Controls.h"

#include "app/Display.h"

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
    const QPalette before = palette;
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    // (A new palette, even an equal one, has the widget laid out and drawn again.)
    if (palette != before)
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
