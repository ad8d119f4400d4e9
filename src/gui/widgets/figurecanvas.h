#pragma once

#include "core/coding/figurecoding.h"

#include <QColor>
#include <QList>
#include <QPolygon>
#include <QRect>
#include <QWidget>

namespace tessaron {

// The background of a window, on which figure outlines are drawn beneath the
// controls: rectangles, ellipses and closed polygons made of straight lines.
class FigureCanvas : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Ellipse, Lines };
    struct Outline {
        Kind kind;
        QRect rect;       // Rectangle, Ellipse: in pixels
        QPolygon polygon; // Lines: closed, in pixels
        int width = 1;    // pixels
        QColor colour = Qt::black;
    };

    explicit FigureCanvas(QWidget *parent = nullptr);

    void addRectangle(const QRect &rect, int width);
    void addEllipse(const QRect &rect, int width);
    void addLines(const QPolygon &polygon, int width);

    // The one way a window draws a family's outline. The rectangle and the ellipse
    // fill `area` (pixels); the triangle and the many-sided figure are drawn with
    // lines: through `designed` (closed, in pixels) where a window's figure has
    // points of its own, else the family's figure fitted to `area`.
    void addFamilyOutline(Family family, const QRect &area, int width,
                          const QPolygon &designed = {});

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Outline> m_outlines;
};

} // namespace tessaron
