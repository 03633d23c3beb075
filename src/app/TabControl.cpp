#include "app/TabControl.h"

#include "app/Display.h"
#include "catalogue/MapNames.h"
#include "platform/NameCompare.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

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

std::string TabControl::maskOf(int index) const
{
    return index == 0 ? catalogue::kMapMask : gameTypeAt(index) + catalogue::kMapMask;
}

QStringList TabControl::captions() const
{
    QStringList all;
    for (int i = 0; i < m_tabs->count(); ++i)
        all.append(m_tabs->tabText(i));
    return all;
}

TabControl::Picture TabControl::pictureOf(int index) const
{
    const std::string upper = platform::upperCasedAscii(index == 0 ? std::string() : gameTypeAt(index));
    return upper == "DM"   ? Picture::DM
        : upper == "CTF"  ? Picture::CTF
        : upper == "VCTF" ? Picture::VCTF
        : upper == "WAR"  ? Picture::WAR
                          : Picture::General;
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
