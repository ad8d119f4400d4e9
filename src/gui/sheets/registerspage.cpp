#include "gui/sheets/registerspage.h"

#include "gui/widgets/fonts.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>

namespace tessaron {

namespace {

constexpr double kLinePoints = 0.75;

} // namespace

void drawRegistersPage(QPainter &painter, double dotsPerInch, const QStringList &registers)
{
    const double cm = dotsPerInch / 2.54;
    const auto at = [cm](double x, double y) { return QPointF(x * cm, y * cm); };
    QFont font = letterForLetter(QFont());
    font.setPointSize(12);
    painter.setFont(font);
    // Thin, but a line every printer shows: three quarters of a point.
    painter.setPen(QPen(Qt::black, kLinePoints / 72.0 * dotsPerInch));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing);

    painter.drawRect(QRectF(at(1.5, 1.5), at(4.0, 2.5)));
    painter.drawEllipse(at(2.75, 4.0), 1.25 * cm, 0.625 * cm);
    painter.drawPolygon(QPolygonF{at(1.5, 6.5), at(2.75, 5.5), at(4.0, 6.5)});
    painter.drawPolygon(QPolygonF{at(1.5, 7.85), at(2.33, 7.5), at(3.16, 7.5), at(4.0, 7.85),
                                  at(4.0, 8.15), at(3.16, 8.5), at(2.33, 8.5), at(1.5, 8.15)});

    // Each register on one line with its top left at x 4.5 cm: it runs on in full.
    const double tops[] = {1.75, 3.75, 5.75, 7.75};
    for (int i = 0; i < 4; ++i) {
        painter.drawText(QRectF(at(4.5, tops[i]), QSizeF(0, 0)),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         registers.value(i));
    }
}

} // namespace tessaron
