#include "gui/widgets/figurecanvas.h"

#include <QPainter>

namespace tessaron {

FigureCanvas::FigureCanvas(QWidget *parent) : QWidget(parent) {}

void FigureCanvas::addRectangle(const QRect &rect, int width)
{
    m_outlines.append({Kind::Rectangle, rect, {}, width});
    update();
}

void FigureCanvas::addEllipse(const QRect &rect, int width)
{
    m_outlines.append({Kind::Ellipse, rect, {}, width});
    update();
}

void FigureCanvas::addLines(const QPolygon &polygon, int width)
{
    m_outlines.append({Kind::Lines, {}, polygon, width});
    update();
}

void FigureCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Outline &o : m_outlines) {
        QPen pen(o.colour, o.width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        // A shape's border lies inside its bounds, as the outline of a control does.
        const qreal inset = o.width / 2.0;
        const QRectF inner = QRectF(o.rect).adjusted(inset, inset, -inset, -inset);
        switch (o.kind) {
        case Kind::Rectangle:
            painter.drawRect(inner);
            break;
        case Kind::Ellipse:
            painter.drawEllipse(inner);
            break;
        case Kind::Lines:
            painter.drawPolygon(o.polygon);
            break;
        }
    }
}

} // namespace tessaron
