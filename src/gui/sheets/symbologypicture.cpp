#include "gui/sheets/symbologypicture.h"

#include "gui/sheets/sheettext.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/taborder.h"
#include "gui/widgets/twips.h"

#include <QMap>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tessaron {

namespace {

constexpr int kLargeOutline = 3;
constexpr int kSmallOutline = 2;
constexpr int kBoxLeft = 4200;
constexpr int kBoxWidth = 2175;
constexpr int kBoxHeight = 1215;
constexpr std::array<int, 4> kBoxTops{0, 1320, 2640, 3960};

void drawLargeFigures(QPainter &p)
{
    drawFamilyOutline(p, {Family::R, rectFromTwips(120, 480, 1575, 495), kLargeOutline});
    drawFamilyOutline(p, {Family::C, rectFromTwips(120, 1560, 1575, 735), kLargeOutline});
    drawFamilyOutline(
        p,
        {Family::T, {}, kLargeOutline, polygonFromTwips({{120, 3600}, {960, 2760}, {1800, 3600}})});
    drawFamilyOutline(p, {Family::P,
                          {},
                          kLargeOutline,
                          polygonFromTwips({{120, 4560},
                                            {480, 4320},
                                            {1320, 4320},
                                            {1680, 4560},
                                            {1680, 4800},
                                            {1320, 5040},
                                            {480, 5040},
                                            {120, 4800}})});
}

// A closed curve drawn by hand: roughly an ellipse, its line wavering.
QPainterPath freehandCurve(const QRectF &box)
{
    QPainterPath path;
    const QPointF centre = box.center();
    constexpr int kSteps = 48;
    for (int i = 0; i <= kSteps; ++i) {
        const double a = 2 * M_PI * i / kSteps;
        const double wobble = 1.0 + 0.06 * std::sin(3 * a) + 0.04 * std::cos(5 * a + 1.0);
        const QPointF point(centre.x() + std::cos(a) * box.width() / 2 * 0.92 * wobble,
                            centre.y() + std::sin(a) * box.height() / 2 * 0.85 * wobble);
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void drawBoxes(QPainter &p)
{
    for (std::size_t box = 0; box < kBoxTops.size(); ++box) {
        const int top = kBoxTops[box];
        const QRect frame = rectFromTwips(kBoxLeft, top, kBoxWidth, kBoxHeight);
        p.setPen(QPen(kDarkGrey, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5));
        p.save();
        p.translate(frame.topLeft());
        setOutlinePen(p, kSmallOutline);
        switch (box) {
        case 0:
            p.drawRect(insideBorder(rectFromTwips(QRect(120, 120, 855, 375)), kSmallOutline));
            p.drawRect(insideBorder(rectFromTwips(QRect(1320, 120, 495, 375)), kSmallOutline));
            p.drawPolygon(polygonFromTwips({{1080, 960}, {1320, 720}, {1800, 720}, {2040, 960}}));
            p.drawPolygon(polygonFromTwips({{480, 600}, {840, 840}, {480, 1080}, {120, 840}}));
            break;
        case 1: {
            p.drawEllipse(insideBorder(rectFromTwips(QRect(120, 120, 1095, 375)), kSmallOutline));
            // A circle in its box: as wide as the box is high, in the middle.
            const QRectF circleBox =
                insideBorder(rectFromTwips(QRect(1440, 120, 615, 495)), kSmallOutline);
            const qreal d = std::min(circleBox.width(), circleBox.height());
            p.drawEllipse(QRectF(circleBox.center() - QPointF(d / 2, d / 2), QSizeF(d, d)));
            p.setPen(QPen(Qt::black, 1.5));
            p.drawPath(freehandCurve(QRectF(rectFromTwips(600, 600, 990, 480))));
            p.fillRect(rectFromTwips(720, 840, 615, 135), Qt::white);
            break;
        }
        case 2:
            p.drawPolygon(polygonFromTwips({{120, 480}, {120, 960}, {1440, 960}}));
            p.drawPolygon(polygonFromTwips({{840, 600}, {1440, 120}, {2040, 600}}));
            break;
        default:
            p.drawPolygon(polygonFromTwips({{120, 240},
                                            {600, 120},
                                            {1320, 120},
                                            {1800, 240},
                                            {1800, 480},
                                            {1320, 600},
                                            {600, 600},
                                            {120, 480}}));
            p.drawPolygon(polygonFromTwips(
                {{480, 840}, {1680, 840}, {2040, 960}, {1680, 1080}, {480, 1080}, {960, 960}}));
            break;
        }
        p.restore();
    }
}

void drawFigures(QPainter &painter, const SymbologyTexts &texts, const QColor &background)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rectFromTwips(0, 0, texts.clientWidth, texts.clientHeight), background);
    drawLargeFigures(painter);
    drawBoxes(painter);
    painter.restore();
}

// The reading order of a row: the example inside the figure, then its
// explanation; the triangle's example is two lines, "www." above the name.
const char *const kReadingOrder[] = {"Label6",   "Label1", "Label7",   "Label2", "Label5_2",
                                     "Label5_0", "Label3", "Label5_1", "Label4"};

} // namespace

SymbologyPicture::SymbologyPicture(const SymbologyTexts &texts, QWidget *parent)
    : QWidget(parent), m_texts(texts)
{
    setObjectName(QStringLiteral("client"));
    setFixedSize(rectFromTwips(0, 0, texts.clientWidth, texts.clientHeight).size());
    setAccessibleName(texts.caption);
    // The texts stand in the default face, black on the sheet's background.
    const QFont face = controlFont();
    QMap<QString, SheetText *> byName;
    for (const PlacedText &example : texts.examples) {
        auto *text = new SheetText(example.text, rectFromTwips(example.twips), face,
                                   SheetText::Layout::OneLine, this);
        text->setObjectName(example.name);
        byName.insert(example.name, text);
    }
    for (const PlacedText &explanation : texts.explanations) {
        auto *text = new SheetText(explanation.text, rectFromTwips(explanation.twips), face,
                                   SheetText::Layout::Wrapped, this);
        text->setObjectName(explanation.name);
        byName.insert(explanation.name, text);
    }
    for (const char *name : kReadingOrder) {
        SheetText *text = byName.value(QString::fromLatin1(name));
        Q_ASSERT(text);
        setColour(text, QPalette::WindowText, Qt::black);
        m_textsInOrder << text;
    }
    chainTabOrder({m_textsInOrder.cbegin(), m_textsInOrder.cend()});
}

QColor SymbologyPicture::background() const
{
    return m_texts.greyBackground ? kGrey : palette().color(QPalette::Button);
}

void SymbologyPicture::drawPage(QPainter &painter) const
{
    drawFigures(painter, m_texts, background());
    for (const SheetText *text : m_textsInOrder)
        text->drawOn(painter, text->palette().color(QPalette::WindowText));
}

void SymbologyPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFigures(painter, m_texts, background());
}

} // namespace tessaron
