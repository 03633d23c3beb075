#include "app/Design.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

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
