#include "app/ComboBox.h"

#include "app/Display.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

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
