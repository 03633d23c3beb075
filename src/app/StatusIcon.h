#pragma once

// A picture of the details panel drawn at a master opacity.

#include <QImage>
#include <QWidget>

/// A 32-bit picture drawn from its top-left corner on white, without smoothing, at a
/// master opacity from 0 to 255.
class StatusIcon : public QWidget {
public:
    StatusIcon(QWidget* parent, const char* name, const QImage& image, int left, int top);
    void setAlpha(int alpha);
    int alpha() const { return m_alpha; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    int m_alpha = 40;
};
