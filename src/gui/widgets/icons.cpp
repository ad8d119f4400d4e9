#include "gui/widgets/icons.h"

#include "gui/widgets/colours.h"
#include "gui/widgets/figurecanvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>
#include <functional>

namespace tessaron {

namespace {

// The four families in a 2 by 2 grid of `area`, each through the one figure
// function, in the palette's colours: four sides, circle or ellipse above; three
// sides and the octagon below.
void drawFigures(QPainter &p, const QRectF &area)
{
    const qreal w = area.width() / 2;
    const qreal h = area.height() / 2;
    const qreal m = w * 0.15;
    p.setPen(QPen(kIconLine, std::max<qreal>(1.0, w / 10)));
    p.setBrush(kLightYellow);
    const auto cell = [&](int column, int row) {
        return QRectF(area.left() + column * w + m, area.top() + row * h + m, w - 2 * m, h - 2 * m);
    };
    drawFamilyFigure(p, {Family::R, cell(0, 0)});
    drawFamilyFigure(p, {Family::C, cell(1, 0)});
    const QRectF below = cell(0, 1);
    drawFamilyFigure(p, {Family::T, below,
                         QPolygonF{QPointF(below.center().x(), below.top()), below.bottomRight(),
                                   below.bottomLeft()}});
    QPolygonF octagon;
    const QRectF right = cell(1, 1);
    const qreal r = right.width() / 2;
    for (int i = 0; i < 8; ++i) {
        const qreal a = (22.5 + 45.0 * i) * M_PI / 180.0;
        octagon << right.center() + QPointF(r * std::cos(a), r * std::sin(a));
    }
    drawFamilyFigure(p, {Family::P, right, octagon});
}

} // namespace

QIcon applicationIcon()
{
    // The desktop's picture of the program, where the SVG support is installed.
    // Null when no engine can read SVG; checked without drawing it, which the
    // window system does when it needs the picture.
    QIcon icon(QStringLiteral(":/icons/com.tessaron.tessaron.svg"));
    if (!icon.isNull())
        return icon;
    // The same figures, drawn here, where it is not.
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(kIconDisc);
        p.drawEllipse(QRectF(size * 0.1, size * 0.1, size * 0.8, size * 0.8));
        p.setPen(QPen(kRed, std::max(1, size / 16)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(size * 0.03, size * 0.03, size * 0.94, size * 0.94));
        drawFigures(p, QRectF(size * 0.2, size * 0.2, size * 0.6, size * 0.6));
        icon.addPixmap(pixmap);
    }
    return icon;
}

namespace {

// A picture of `size` logical pixels at the device pixel ratio `ratio`, drawn at
// that resolution on a clear background.
QPixmap drawnPixmap(QSize size, qreal ratio, const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap((QSizeF(size) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return pixmap;
}

// The same picture for each of the usual device pixel ratios.
QIcon drawnIcon(QSize size, const std::function<void(QPainter &)> &draw)
{
    QIcon icon;
    for (qreal ratio : {1.0, 2.0})
        icon.addPixmap(drawnPixmap(size, ratio, draw));
    return icon;
}

// An arrow with a small globe at its side: the pointer over an address.
void drawAddressPointer(QPainter &p)
{
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
}

void drawHand(QPainter &p)
{
    // A hand pointing up with its forefinger, the tip at (8, 1).
    QPainterPath hand;
    hand.moveTo(6, 2.5);
    hand.arcTo(QRectF(6, 0.5, 4, 4), 180, -180);
    hand.lineTo(10, 11);
    hand.arcTo(QRectF(10, 9, 4, 4), 180, -180);
    hand.lineTo(14, 12);
    hand.arcTo(QRectF(14, 10, 4, 4), 180, -180);
    hand.lineTo(18, 13);
    hand.arcTo(QRectF(18, 11, 4, 4), 180, -180);
    hand.lineTo(22, 21);
    hand.quadTo(22, 27, 17, 28);
    hand.lineTo(11, 28);
    hand.quadTo(8, 27, 6, 23);
    hand.lineTo(2, 16);
    hand.quadTo(1.5, 13.5, 4, 14);
    hand.lineTo(6, 16);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
}

} // namespace

QCursor addressCursor(qreal ratio)
{
    return QCursor(drawnPixmap(QSize(32, 32), ratio, drawAddressPointer), 0, 0);
}

QIcon symbologyIcon()
{
    return drawnIcon(QSize(32, 32), [](QPainter &p) { drawFigures(p, QRectF(0, 0, 32, 32)); });
}

QIcon stepIcon(bool forward)
{
    return drawnIcon(QSize(32, 24), [forward](QPainter &p) {
        QPolygonF arrow{QPointF(2, 12),  QPointF(14, 2),  QPointF(14, 8), QPointF(30, 8),
                        QPointF(30, 16), QPointF(14, 16), QPointF(14, 22)};
        if (forward) {
            for (QPointF &point : arrow)
                point.setX(32 - point.x());
        }
        p.setPen(QPen(QColor(0, 0, 128), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(80, 130, 230));
        p.drawPolygon(arrow);
    });
}

QIcon deleteIcon()
{
    return drawnIcon(QSize(20, 20), [](QPainter &p) {
        p.setPen(QPen(QColor(200, 0, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(16, 16));
        p.drawLine(QPointF(16, 4), QPointF(4, 16));
    });
}

QCursor handCursor(qreal ratio)
{
    return QCursor(drawnPixmap(QSize(32, 32), ratio, drawHand), 8, 1);
}

} // namespace tessaron
