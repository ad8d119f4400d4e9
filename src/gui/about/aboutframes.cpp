#include "gui/about/aboutframes.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRadialGradient>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <map>

namespace tessaron {

namespace {

constexpr int kWidth = 80;
constexpr int kHeight = 80;
// Three frames of the emblem have always been a row shorter, and the About
// window's layout was settled around those sizes, so they stay that way; the
// missing row is the bottom one, so the globe does not jump between frames.
constexpr int kShortHeight = 79;

constexpr double kCentreX = 40.0;
constexpr double kCentreY = 40.0;
constexpr double kGlobeRadius = 25.5;
// The letters stand on a circle a little outside the globe, so that red never
// sits on blue or green and the name stays legible at this size.
constexpr double kBaselineRadius = 28.5;
constexpr int kLetterPixels = 12;

// Frame 1 starts the name at the upper left so that the word arches evenly
// over the top of the globe, the way it reads best.
constexpr double kFirstAngle = 140.0;
constexpr double kStep = 360.0 / kAboutFrameCount;

// The globe looks at the Atlantic side: Africa and Europe face the viewer,
// with the Americas coming round the left-hand edge.
constexpr double kViewLongitude = -5.0;
constexpr double kViewLatitude = 18.0;

constexpr double kPi = 3.14159265358979323846;

constexpr double radians(double degrees)
{
    return degrees * kPi / 180.0;
}

bool isShortFrame(int number)
{
    return number == 5 || number == 11 || number == 14;
}

struct LonLat {
    double lon;
    double lat;
};

using Outline = std::initializer_list<LonLat>;

// Coastlines, traced coarsely by hand: at 51 pixels across only the
// silhouettes matter.
// clang-format off
constexpr Outline kAfrica = {
    {-6, 36},   {-10, 30},  {-13, 27},  {-17, 21},  {-17, 15},  {-15, 11},  {-12, 7},
    {-8, 4.5},  {-3, 5},    {2, 6},     {6, 4.5},   {9, 4},     {10, 1},    {9, -2},
    {12, -6},   {13, -12},  {12, -17},  {15, -27},  {18, -32},  {20, -35},  {26, -34},
    {31, -29},  {33, -26},  {35, -22},  {35, -18},  {40, -15},  {40, -10},  {39, -5},
    {42, 0},    {46, 3},    {51, 11},   {43, 12},   {39, 16},   {36, 22},   {34, 28},
    {32, 31},   {25, 32},   {20, 31},   {15, 32},   {11, 33},   {10, 37},   {3, 37},
    {-2, 35},
};

constexpr Outline kMadagascar = {{44, -25}, {47, -25}, {50, -15}, {49, -12}, {44, -16}};

constexpr Outline kEurasia = {
    {-9, 43},   {-9, 37},   {-6, 36},   {-2, 37},   {0, 39},    {3, 42},    {5, 43},
    {9, 44},    {12, 42},   {16, 38},   {18, 40},   {13, 44},   {13, 46},   {19, 42},
    {23, 37},   {26, 41},   {27, 37},   {31, 36},   {36, 36},   {35, 33},   {34, 31},
    {34.5, 28}, {37, 24},   {39, 21},   {43, 13},   {45, 13},   {52, 16},   {56, 18},
    {59, 22},   {56, 25},   {52, 24},   {50, 27},   {48, 30},   {50, 30},   {54, 27},
    {57, 26},   {62, 25},   {67, 24},   {70, 21},   {73, 16},   {77, 8},    {80, 10},
    {80, 15},   {85, 20},   {88, 22},   {92, 22},   {94, 17},   {98, 16},   {98, 8},
    {101, 3},   {104, 1.5}, {103, 8},   {100, 13},  {105, 9},   {109, 12},  {108, 21},
    {114, 22},  {120, 25},  {122, 31},  {119, 38},  {122, 40},  {126, 38},  {130, 42},
    {136, 45},  {141, 52},  {138, 58},  {150, 60},  {160, 60},  {163, 68},  {180, 68},
    {180, 72},  {140, 72},  {112, 76},  {104, 78},  {90, 76},   {80, 73},   {70, 73},
    {68, 70},   {60, 70},   {50, 68},   {41, 67},   {36, 66},   {32, 70},   {25, 71},
    {20, 70},   {14, 67},   {12, 65},   {5, 62},    {5, 58},    {8, 58},    {11, 59},
    {13, 56},   {16, 56},   {18, 60},   {22, 65},   {25, 65},   {21, 61},   {23, 60},
    {29, 60},   {23, 58},   {21, 57},   {21, 55},   {14, 54},   {10, 54},   {8, 57},
    {8, 54},    {4, 52},    {2, 51},    {-2, 49},   {-5, 48},   {-2, 47},   {-1, 45},
    {-2, 43.5},
};

constexpr Outline kBritain = {{-5, 50},  {1, 51},  {2, 53},  {-2, 56},  {-2, 58},
                              {-5, 58.5}, {-6, 56}, {-3, 54}, {-5, 52}, {-4, 51.5}};
constexpr Outline kIreland = {{-10, 52}, {-6, 52}, {-6, 55}, {-8, 55}, {-10, 54}};
constexpr Outline kIceland = {{-24, 65}, {-14, 65}, {-14, 66.5}, {-22, 66.5}};

constexpr Outline kGreenland = {{-45, 60}, {-40, 65}, {-22, 70}, {-20, 76}, {-18, 81}, {-35, 83},
                                {-60, 82}, {-72, 78}, {-58, 76}, {-54, 70}, {-52, 65}};

constexpr Outline kNorthAmerica = {
    {-168, 66}, {-162, 70}, {-156, 71}, {-140, 70}, {-128, 70}, {-115, 68}, {-95, 68},
    {-90, 69},  {-82, 66},  {-87, 64},  {-94, 60},  {-93, 57},  {-86, 55},  {-82, 53},
    {-79, 55},  {-77, 60},  {-72, 62},  {-65, 60},  {-61, 56},  {-56, 52},  {-60, 48},
    {-65, 49},  {-66, 45},  {-70, 44},  {-70, 42},  {-74, 40},  {-76, 37},  {-76, 35},
    {-81, 31},  {-80, 27},  {-80, 25},  {-82, 26},  {-83, 29},  {-86, 30},  {-90, 29},
    {-94, 29.5}, {-97, 27}, {-97, 22},  {-95, 19},  {-91, 19},  {-90, 21},  {-87, 21},
    {-88, 16},  {-84, 15},  {-83, 11},  {-80, 9},   {-77, 8},   {-80, 7},   {-84, 9},
    {-86, 12},  {-92, 14},  {-96, 16},  {-105, 20}, {-106, 23}, {-112, 29}, {-110, 23},
    {-113, 31}, {-117, 32}, {-121, 35}, {-124, 40}, {-124, 47}, {-127, 50}, {-131, 55},
    {-137, 59}, {-146, 61}, {-152, 59}, {-158, 57}, {-164, 55}, {-158, 59}, {-162, 60},
    {-166, 62}, {-164, 64},
};

constexpr Outline kSouthAmerica = {
    {-77, 8},   {-72, 12},  {-64, 10.5}, {-60, 8},   {-52, 5},   {-50, 0},   {-44, -2},
    {-35, -5},  {-35, -9},  {-39, -14},  {-39, -18}, {-41, -22}, {-45, -23.5}, {-48, -26},
    {-49, -29}, {-53, -34}, {-57, -36},  {-57, -38.5}, {-62, -39}, {-65, -42}, {-64, -47},
    {-68, -50}, {-69, -52}, {-68, -55},  {-72, -54}, {-75, -50}, {-74, -44}, {-73, -37},
    {-71, -30}, {-70, -18}, {-76, -14},  {-81, -6},  {-80, -1},  {-78, 2},   {-78, 7},
};

constexpr Outline kCuba = {{-85, 22}, {-80, 23}, {-74, 20}, {-77, 20}, {-82, 21.5}};

// Inland seas are painted back over the land in ocean colour.
constexpr Outline kBlackSea = {{28, 42},   {29, 45}, {31, 46.5}, {34, 45},
                               {38, 47},   {41, 42}, {36, 41.5}, {31, 41}};
constexpr Outline kCaspian = {{47, 45}, {53, 47}, {54, 41}, {54, 37}, {50, 37}, {49, 39}, {49, 42}};

// Dry lands are tinted so the continents read as more than flat green cut-outs.
constexpr Outline kSahara = {{-15, 20}, {-12, 27}, {-5, 31}, {5, 31},  {10, 30}, {20, 30}, {30, 30},
                             {33, 25},  {36, 19},  {32, 15}, {20, 15}, {10, 16}, {0, 15},  {-12, 15}};
constexpr Outline kArabia = {{36, 30}, {38, 22}, {44, 15}, {52, 17},
                             {56, 21}, {50, 26}, {47, 30}, {40, 32}};
constexpr Outline kKalahari = {{15, -19}, {25, -20}, {26, -27}, {17, -29}};
// clang-format on

QPointF centre()
{
    return {kCentreX, kCentreY};
}

// Orthographic projection onto the disc. A point on the far side is pulled onto
// the rim, so an outline running behind the globe follows the edge instead of
// cutting across the visible face.
QPointF project(LonLat point)
{
    const double lambda = radians(point.lon - kViewLongitude);
    const double phi = radians(point.lat);
    const double phi0 = radians(kViewLatitude);
    double x = std::cos(phi) * std::sin(lambda);
    double y = std::cos(phi0) * std::sin(phi) - std::sin(phi0) * std::cos(phi) * std::cos(lambda);
    const double z =
        std::sin(phi0) * std::sin(phi) + std::cos(phi0) * std::cos(phi) * std::cos(lambda);
    if (z < 0.0) {
        const double length = std::hypot(x, y);
        if (length > 1e-9) {
            x /= length;
            y /= length;
        }
    }
    return {kCentreX + kGlobeRadius * x, kCentreY - kGlobeRadius * y};
}

// The outline is walked in small steps so that edges bend with the sphere
// and the stretches pulled onto the rim stay close to it.
QPainterPath outlinePath(Outline outline)
{
    constexpr double kMaxStep = 2.0;
    QPainterPath path;
    const LonLat *points = outline.begin();
    const std::size_t count = outline.size();
    for (std::size_t i = 0; i < count; ++i) {
        const LonLat from = points[i];
        const LonLat to = points[(i + 1) % count];
        const double span = std::max(std::abs(to.lon - from.lon), std::abs(to.lat - from.lat));
        const int steps = std::max(1, static_cast<int>(std::ceil(span / kMaxStep)));
        for (int s = 0; s < steps; ++s) {
            const double t = static_cast<double>(s) / steps;
            const QPointF p =
                project({from.lon + t * (to.lon - from.lon), from.lat + t * (to.lat - from.lat)});
            if (i == 0 && s == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
    }
    path.closeSubpath();
    return path;
}

// Drawn for a screen of `ratio` device pixels a logical pixel, in logical pixels.
QImage drawGlobe(qreal ratio)
{
    QImage image((QSizeF(kWidth, kHeight) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    const QPointF c = centre();
    const QRectF disc(c.x() - kGlobeRadius, c.y() - kGlobeRadius, 2 * kGlobeRadius,
                      2 * kGlobeRadius);
    // The light comes from the upper left, as in most globe pictures.
    const QPointF light(c.x() - 0.38 * kGlobeRadius, c.y() - 0.42 * kGlobeRadius);

    // A faint halo of atmosphere lifts the globe off the black.
    {
        const double haloRadius = kGlobeRadius + 2.5;
        QRadialGradient halo(c, haloRadius);
        halo.setColorAt(kGlobeRadius / haloRadius - 0.02, QColor(70, 130, 255, 170));
        halo.setColorAt(1.0, QColor(70, 130, 255, 0));
        p.setBrush(halo);
        p.drawEllipse(c, haloRadius, haloRadius);
    }

    QRadialGradient ocean(light, 1.45 * kGlobeRadius);
    ocean.setColorAt(0.0, QColor(70, 150, 255));
    ocean.setColorAt(0.55, QColor(22, 80, 205));
    ocean.setColorAt(1.0, QColor(8, 30, 110));
    p.setBrush(ocean);
    p.drawEllipse(disc);

    QPainterPath globe;
    globe.addEllipse(disc);
    p.setClipPath(globe);

    const QColor land(58, 150, 60);
    for (Outline outline : {kAfrica, kMadagascar, kEurasia, kBritain, kIreland, kIceland,
                            kNorthAmerica, kSouthAmerica, kCuba}) {
        p.fillPath(outlinePath(outline), land);
    }
    const QColor dry(182, 152, 88);
    for (Outline outline : {kSahara, kArabia, kKalahari})
        p.fillPath(outlinePath(outline), dry);
    p.fillPath(outlinePath(kGreenland), QColor(205, 218, 226));
    p.fillPath(outlinePath(kBlackSea), QColor(35, 100, 220));
    p.fillPath(outlinePath(kCaspian), QColor(35, 100, 220));

    // The night side: darkening towards the rim away from the light is what
    // makes a disc read as a ball.
    QRadialGradient shade(light, 1.55 * kGlobeRadius);
    shade.setColorAt(0.0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.45, QColor(0, 0, 0, 0));
    shade.setColorAt(0.85, QColor(0, 0, 0, 110));
    shade.setColorAt(1.0, QColor(0, 0, 0, 190));
    p.setBrush(shade);
    p.drawEllipse(disc);

    QRadialGradient glint(light, 0.5 * kGlobeRadius);
    glint.setColorAt(0.0, QColor(255, 255, 255, 120));
    glint.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(glint);
    p.drawEllipse(light, 0.5 * kGlobeRadius, 0.5 * kGlobeRadius);
    return image;
}

QFont letterFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kLetterPixels);
    font.setBold(true);
    return font;
}

// Each letter stands upright on the circle, its foot towards the globe, and
// the name runs clockwise from `startAngle` so it reads left to right over
// the top.
void drawLettering(QPainter &p, double startAngle)
{
    static const QString word = QStringLiteral("Tessaron");
    const QFont font = letterFont();
    const QFontMetricsF metrics(font);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 0, 0));
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QString letter(word.at(i));
        // Measuring the whole prefix keeps the font's kerning between letters.
        const double offset = metrics.horizontalAdvance(word.left(i));
        const double width = metrics.horizontalAdvance(letter);
        const double angle = startAngle - (offset + width / 2) / kBaselineRadius * 180.0 / kPi;
        const double a = radians(angle);
        p.save();
        p.translate(kCentreX + kBaselineRadius * std::cos(a),
                    kCentreY - kBaselineRadius * std::sin(a));
        p.rotate(90.0 - angle);
        // Filling the glyph outline rather than drawing text keeps the letter
        // exactly where it is put; the glyph cache would snap each one to whole
        // pixels and make the turning name wobble.
        QPainterPath glyph;
        glyph.addText(QPointF(-width / 2, 0), font, letter);
        p.drawPath(glyph);
        p.restore();
    }
}

QImage drawFrame(const QImage &globe, int number)
{
    QImage frame = globe.copy();
    {
        QPainter p(&frame);
        p.setRenderHint(QPainter::Antialiasing);
        drawLettering(p, aboutFrameAngle(number));
    }
    if (isShortFrame(number)) {
        const qreal ratio = globe.devicePixelRatio();
        frame = frame.copy(0, 0, frame.width(), qRound(kShortHeight * ratio));
        frame.setDevicePixelRatio(ratio);
    }
    return frame;
}

} // namespace

double aboutFrameAngle(int number)
{
    if (number < 1 || number > kAboutFrameCount)
        return 0.0;
    return std::fmod(kFirstAngle + kStep * (number - 1), 360.0);
}

QImage aboutFrame(int number, qreal ratio)
{
    if (number < 1 || number > kAboutFrameCount)
        return {};
    // Each frame is drawn when it is first shown: the window comes up with one
    // frame drawn, not eighteen.
    struct Frames {
        QImage globe;
        std::array<QImage, kAboutFrameCount> drawn;
    };
    static std::map<int, Frames> byRatio;
    Frames &frames = byRatio[qRound(ratio * 100)];
    if (frames.globe.isNull())
        frames.globe = drawGlobe(ratio);
    QImage &frame = frames.drawn[static_cast<std::size_t>(number - 1)];
    if (frame.isNull())
        frame = drawFrame(frames.globe, number);
    return frame;
}

const QList<QImage> &aboutFrames()
{
    static const QList<QImage> frames = [] {
        QList<QImage> list;
        list.reserve(kAboutFrameCount);
        for (int number = 1; number <= kAboutFrameCount; ++number)
            list.append(aboutFrame(number));
        return list;
    }();
    return frames;
}

} // namespace tessaron
