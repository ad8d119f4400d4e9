#include "gui/widgets/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace tessaron {

namespace {

void drawFigures(QPainter &p, const QRectF &area)
{
    const qreal w = area.width() / 2;
    const qreal h = area.height() / 2;
    const qreal m = w * 0.15;
    QPen pen(QColor(0, 0, 160), std::max<qreal>(1.0, w / 10));
    p.setPen(pen);
    p.setBrush(QColor(255, 255, 192));
    // four sides
    p.drawRect(QRectF(area.left() + m, area.top() + m, w - 2 * m, h - 2 * m));
    // circle
    p.drawEllipse(QRectF(area.left() + w + m, area.top() + m, w - 2 * m, h - 2 * m));
    // three sides
    QPolygonF triangle{QPointF(area.left() + w / 2, area.top() + h + m),
                       QPointF(area.left() + w - m, area.bottom() - m),
                       QPointF(area.left() + m, area.bottom() - m)};
    p.drawPolygon(triangle);
    // eight sides
    QPolygonF octagon;
    const QPointF centre(area.left() + 1.5 * w, area.top() + 1.5 * h);
    const qreal r = w / 2 - m;
    for (int i = 0; i < 8; ++i) {
        const qreal a = (22.5 + 45.0 * i) * M_PI / 180.0;
        octagon << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    p.drawPolygon(octagon);
}

} // namespace

QPixmap symbologyPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawFigures(p, QRectF(0, 0, size, size));
    return pixmap;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 200));
        p.drawEllipse(QRectF(size * 0.1, size * 0.1, size * 0.8, size * 0.8));
        p.setPen(QPen(Qt::red, std::max(1, size / 16)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(size * 0.03, size * 0.03, size * 0.94, size * 0.94));
        drawFigures(p, QRectF(size * 0.2, size * 0.2, size * 0.6, size * 0.6));
        icon.addPixmap(pixmap);
    }
    return icon;
}

QCursor addressCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(30, 90, 200));
    p.drawEllipse(QRectF(14.5, 14.5, 15, 15));
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(15, 22), QPointF(29, 22));
    p.drawEllipse(QRectF(18.5, 14.5, 7, 15));
    const QPolygonF arrow{QPointF(0.5, 0.5), QPointF(0.5, 16), QPointF(4.5, 12), QPointF(7.5, 18.5),
                          QPointF(10, 17.5), QPointF(7, 11),   QPointF(12.5, 11)};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow);
    p.end();
    return QCursor(pixmap, 0, 0);
}

} // namespace tessaron
