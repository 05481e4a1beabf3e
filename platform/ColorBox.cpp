#include "platform/ColorBox.h"

#include <QPainter>

namespace platform {

ColorBox::ColorBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    // The border is drawn in the palette's WindowText colour of a Plain frame.
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::darkGray);
    setPalette(pal);
}

void ColorBox::setFillColor(const QColor& color)
{
    if (color == fill_) return;
    fill_ = color;
    update();
}

QSize ColorBox::sizeHint() const { return QSize(22, 14); }

void ColorBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), fill_);
    }
    QFrame::paintEvent(event);
}

} // namespace platform
