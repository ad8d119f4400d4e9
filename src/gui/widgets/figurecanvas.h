#pragma once

#include "core/coding/figurecoding.h"

#include <QList>
#include <QPolygon>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QWidget>

class QPainter;

namespace tessaron {

// A family's outline. The rectangle and the ellipse fill `area` (pixels), their
// border inside it as a control's outline is; the triangle and the many-sided
// figure are closed lines through `designed` (pixels) where a window's figure
// has points of its own, else the family's figure fitted to `area`.
struct FamilyOutline {
    Family family;
    QRect area;
    int width; // pixels
    QPolygon designed = {};
};

// A family's figure in any unit: the rectangle and the ellipse through `shape`,
// the triangle and the many-sided figure as the closed line through `lines`.
struct FamilyFigure {
    Family family;
    QRectF shape;
    QPolygonF lines = {};
};

// The one place that knows which figure each family draws; with the painter's pen.
void drawFamilyFigure(QPainter &painter, const FamilyFigure &figure);
// A window's outline, in black, its border inside its area.
void drawFamilyOutline(QPainter &painter, const FamilyOutline &outline);
// The black, mitred pen of an outline `width` pixels wide, with no fill.
void setOutlinePen(QPainter &painter, int width);
// The rectangle whose border, `width` wide, lies inside `rect`, as a control's does.
QRectF insideBorder(const QRect &rect, int width);

// The background of a window, on which family outlines and plain frames are
// drawn beneath the controls.
class FigureCanvas : public QWidget {
    Q_OBJECT
public:
    explicit FigureCanvas(QWidget *parent = nullptr);

    // A plain rectangular frame, its border inside `rect` (pixels).
    void addRectangle(const QRect &rect, int width);
    void addFamilyOutline(Family family, const QRect &area, int width,
                          const QPolygon &designed = {});

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Frame {
        QRect rect;
        int width;
    };
    QList<Frame> m_frames;
    QList<FamilyOutline> m_outlines;
};

} // namespace tessaron
