#include "gui/sheets/registerspage.h"

#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <array>

namespace tessaron {

namespace {

constexpr double kLinePoints = 0.75;

// The page's figures and where each register's top left stands, in centimetres.
struct PageRow {
    FamilyFigure figure;
    QPointF registerAt;
};

// clang-format off
const std::array<PageRow, 4> kRows{{
    {{Family::R, QRectF(1.5, 1.5, 2.5, 1.0)}, QPointF(4.5, 1.75)},
    {{Family::C, QRectF(1.5, 3.375, 2.5, 1.25)}, QPointF(4.5, 3.75)},
    {{Family::T, {}, QPolygonF({{1.5, 6.5}, {2.75, 5.5}, {4.0, 6.5}})}, QPointF(4.5, 5.75)},
    {{Family::P, {}, QPolygonF({{1.5, 7.85}, {2.33, 7.5}, {3.16, 7.5}, {4.0, 7.85},
                                {4.0, 8.15}, {3.16, 8.5}, {2.33, 8.5}, {1.5, 8.15}})},
     QPointF(4.5, 7.75)},
}};
// clang-format on

} // namespace

void drawRegistersPage(QPainter &painter, double dotsPerInch, const QStringList &registers)
{
    const double cm = dotsPerInch / 2.54;
    QFont font = letterForLetter(QFont());
    font.setPointSize(12);
    painter.setFont(font);
    // Thin, but a line every printer shows: three quarters of a point.
    painter.setPen(QPen(Qt::black, kLinePoints / 72.0 * dotsPerInch));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing);

    const QTransform toPage = QTransform::fromScale(cm, cm);
    // Each register on one line: it runs on in full.
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const FamilyFigure &figure = kRows[i].figure;
        drawFamilyFigure(painter,
                         {figure.family, toPage.mapRect(figure.shape), toPage.map(figure.lines)});
        painter.drawText(QRectF(toPage.map(kRows[i].registerAt), QSizeF(0, 0)),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         registers.value(int(i)));
    }
}

} // namespace tessaron
