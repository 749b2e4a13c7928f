#ifndef KIT_SHAPES_H
#define KIT_SHAPES_H

#include <QColor>
#include <QWidget>

namespace kit {

// A rectangle drawn over or under other controls; mouse events pass through it.
// Its style value switches the outline: 1 drawn, 0 hidden.
class RectShape : public QWidget {
    Q_OBJECT
public:
    explicit RectShape(QWidget* parent);

    void setBorder(const QColor& colour, Qt::PenStyle style = Qt::SolidLine, const QColor& gapColour = Qt::transparent);
    void setFill(const QColor& colour);
    void setStyleValue(int value);
    int styleValue() const { return m_styleValue; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_border = Qt::black;
    QColor m_gap = Qt::transparent;
    Qt::PenStyle m_penStyle = Qt::SolidLine;
    QColor m_fill = Qt::transparent;
    int m_styleValue = 1;
};

// A straight line between two points of its parent, in twips; mouse events pass through.
class LineShape : public QWidget {
    Q_OBJECT
public:
    explicit LineShape(QWidget* parent);

    void setPoints(int x1, int y1, int x2, int y2);
    void setPen(const QColor& colour, int width = 1);
    int x2() const { return m_x2; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_x1 = 0;
    int m_y1 = 0;
    int m_x2 = 0;
    int m_y2 = 0;
    QColor m_colour = Qt::black;
    int m_width = 1;
};

} // namespace kit

#endif
