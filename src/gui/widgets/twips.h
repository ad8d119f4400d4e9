#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>

#include <initializer_list>
#include <utility>

namespace tessaron {

// Layouts are given in twips; a logical pixel is 15 twips and Qt's high-DPI
// scaling does the rest.
inline constexpr int kTwipsPerPixel = 15;

[[nodiscard]] constexpr int pixelsFromTwips(int twips)
{
    return twips / kTwipsPerPixel;
}

[[nodiscard]] constexpr QRect rectFromTwips(int left, int top, int width, int height)
{
    return QRect(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                 pixelsFromTwips(height));
}

[[nodiscard]] constexpr QRect rectFromTwips(const QRect &twips)
{
    return rectFromTwips(twips.left(), twips.top(), twips.width(), twips.height());
}

[[nodiscard]] constexpr QSize sizeFromTwips(int width, int height)
{
    return QSize(pixelsFromTwips(width), pixelsFromTwips(height));
}

[[nodiscard]] constexpr QPoint pointFromTwips(int x, int y)
{
    return QPoint(pixelsFromTwips(x), pixelsFromTwips(y));
}

// A closed figure of straight lines through points given in twips.
[[nodiscard]] inline QPolygon polygonFromTwips(std::initializer_list<std::pair<int, int>> points)
{
    QPolygon polygon;
    for (const auto &[x, y] : points)
        polygon << pointFromTwips(x, y);
    return polygon;
}

} // namespace tessaron
