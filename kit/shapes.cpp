#include "kit/shapes.h"

#include <QPainter>

#include <algorithm>

#include "kit/look.h"

namespace kit {

RectShape::RectShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RectShape::setBorder(const QColor& colour, Qt::PenStyle style, const QColor& gapColour)
{
    m_border = colour;
    m_penStyle = style;
    m_gap = gapColour;
    update();
}

void RectShape::setFill(const QColor& colour)
{
    m_fill = colour;
    update();
}

void RectShape::setStyleValue(int value)
{
    m_styleValue = value;
    update();
}

void RectShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    if (m_styleValue == 0)
        return;
    if (m_gap.alpha() > 0) {
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(m_gap);
    }
    painter.setPen(QPen(m_border, 1, m_penStyle));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

LineShape::LineShape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::setPoints(int x1, int y1, int x2, int y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    // The widget covers the line's bounding box, widened by the pen.
    const int margin = m_width;
    setGeometry(
        QRect(QPoint(px(std::min(x1, x2)), px(std::min(y1, y2))), QPoint(px(std::max(x1, x2)), px(std::max(y1, y2))))
            .adjusted(-margin, -margin, margin, margin));
    update();
}

void LineShape::setPen(const QColor& colour, int width)
{
    m_colour = colour;
    m_width = width;
    setPoints(m_x1, m_y1, m_x2, m_y2);
}

void LineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::FlatCap));
    const QPoint origin = geometry().topLeft();
    painter.drawLine(QPoint(px(m_x1), px(m_y1)) - origin, QPoint(px(m_x2), px(m_y2)) - origin);
}

} // namespace kit
