#pragma once

// The design's fonts and colours, and the text colour of a control.

#include <QColor>
#include <QFont>

class QWidget;

/// The design's font faces; missing faces are replaced by metric-compatible ones.
enum class Face { SansSerif, Arial, ArialNarrow };

/// A font of the design: face, character height in pixels, weight.
QFont designFont(Face face, int pixelHeight, bool bold = false);

/// The colours of the design.
namespace colours {
inline const QColor black(0, 0, 0);
inline const QColor silver(192, 192, 192);
inline const QColor maroon(128, 0, 0);
inline const QColor white(255, 255, 255);
} // namespace colours

/// Sets the text colour of a label or other control.
void setTextColour(QWidget* widget, const QColor& colour);
/// The text colour of a label or other control.
QColor textColour(const QWidget* widget);
