#include "app/MakeControls.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

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
