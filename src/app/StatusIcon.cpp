#include "app/StatusIcon.h"

#include <QPainter>

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
