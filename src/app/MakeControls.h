#pragma once

// Labels and buttons made as the design places them.

#include <QRect>
#include <QString>

class QFont;
class QLabel;
class QPushButton;
class QWidget;

/// A label at a place, with a font; it sizes itself to its text, which it shows as plain
/// text (a name from disk is never taken for markup).
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int left, int top, const QFont& font);

/// A push button at a place; in dialogs it never turns into the default button by itself.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect place, bool bold = false);

/// Sizes a label to its text (at `height`) and moves it so that its right edge stays at `right`.
void alignRightEdge(QLabel* label, int right, int top, int height);
