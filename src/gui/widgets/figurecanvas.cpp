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

void FigureCanvas::addFamilyOutline(Family family, const QRect &area, int width,
                                    const QPolygon &designed)
{
    switch (family) {
    case Family::R:
        addRectangle(area, width);
        return;
    case Family::C:
        addEllipse(area, width);
        return;
    case Family::T:
    case Family::P:
        break;
    }
    if (!designed.isEmpty()) {
        addLines(designed, width);
        return;
    }
    const int l = area.left();
    const int r = area.left() + area.width();
    const int t = area.top();
    const int b = area.top() + area.height();
    if (family == Family::T) {
        addLines(QPolygon({QPoint((l + r) / 2, t), QPoint(r, b), QPoint(l, b)}), width);
        return;
    }
    const int w = r - l;
    const int h = b - t;
    addLines(QPolygon({QPoint(l, t + h * 3 / 8), QPoint(l, t + h * 5 / 8), QPoint(l + w / 3, b),
                       QPoint(r - w / 3, b), QPoint(r, t + h * 5 / 8), QPoint(r, t + h * 3 / 8),
                       QPoint(r - w / 3, t), QPoint(l + w / 3, t)}),
             width);
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
