#include "gui/widgets/figurecanvas.h"

#include <QPainter>

namespace tessaron {

namespace {

// The family's figure drawn with lines, fitted to `area`.
QPolygon fittedLines(Family family, const QRect &area)
{
    const int l = area.left();
    const int r = area.left() + area.width();
    const int t = area.top();
    const int b = area.top() + area.height();
    if (family == Family::T)
        return QPolygon({QPoint((l + r) / 2, t), QPoint(r, b), QPoint(l, b)});
    const int w = r - l;
    const int h = b - t;
    return QPolygon({QPoint(l, t + h * 3 / 8), QPoint(l, t + h * 5 / 8), QPoint(l + w / 3, b),
                     QPoint(r - w / 3, b), QPoint(r, t + h * 5 / 8), QPoint(r, t + h * 3 / 8),
                     QPoint(r - w / 3, t), QPoint(l + w / 3, t)});
}

} // namespace

void setOutlinePen(QPainter &painter, int width)
{
    QPen pen(Qt::black, width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
}

// A shape's border lies inside its bounds, as the outline of a control does.
QRectF insideBorder(const QRect &rect, int width)
{
    const qreal inset = width / 2.0;
    return QRectF(rect).adjusted(inset, inset, -inset, -inset);
}

void drawFamilyFigure(QPainter &painter, const FamilyFigure &figure)
{
    switch (figure.family) {
    case Family::R:
        painter.drawRect(figure.shape);
        return;
    case Family::C:
        painter.drawEllipse(figure.shape);
        return;
    case Family::T:
    case Family::P:
        painter.drawPolygon(figure.lines);
        return;
    }
}

void drawFamilyOutline(QPainter &painter, const FamilyOutline &outline)
{
    setOutlinePen(painter, outline.width);
    const QPolygon lines =
        outline.designed.isEmpty() ? fittedLines(outline.family, outline.area) : outline.designed;
    drawFamilyFigure(painter,
                     {outline.family, insideBorder(outline.area, outline.width), QPolygonF(lines)});
}

FigureCanvas::FigureCanvas(QWidget *parent) : QWidget(parent) {}

void FigureCanvas::addRectangle(const QRect &rect, int width)
{
    m_frames.append({rect, width});
    update();
}

void FigureCanvas::addFamilyOutline(Family family, const QRect &area, int width,
                                    const QPolygon &designed)
{
    m_outlines.append({family, area, width, designed});
    update();
}

void FigureCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Frame &frame : m_frames) {
        setOutlinePen(painter, frame.width);
        painter.drawRect(insideBorder(frame.rect, frame.width));
    }
    for (const FamilyOutline &outline : m_outlines)
        drawFamilyOutline(painter, outline);
}

} // namespace tessaron
