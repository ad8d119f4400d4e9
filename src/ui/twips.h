#pragma once

#include <QPoint>
#include <QRect>

namespace tessaron {

// Layouts are given in twips; a logical pixel is 15 twips and Qt's high-DPI
// scaling does the rest.
inline constexpr int kTwipsPerPixel = 15;

[[nodiscard]] constexpr int twips(int value)
{
    return value / kTwipsPerPixel;
}

[[nodiscard]] constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

[[nodiscard]] constexpr QPoint twipsPoint(int x, int y)
{
    return QPoint(twips(x), twips(y));
}

} // namespace tessaron
