#include "gui/sheets/symbologypicture.h"

#include "core/texts/accessibletexts.h"
#include "core/texts/sheettexts.h"
#include "gui/sheets/sheettext.h"
#include "gui/sheets/symbologylayout.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/taborder.h"
#include "gui/widgets/twips.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <map>

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

void drawFigures(QPainter &painter, QSize client, const QColor &background)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), client), background);
    drawLargeFigures(painter);
    drawBoxes(painter);
    painter.restore();
}

} // namespace

namespace {

QAccessibleInterface *accessiblePicture(QObject *picture)
{
    return new QAccessibleWidget(static_cast<QWidget *>(picture), QAccessible::Graphic);
}

} // namespace

ExamplePicture::ExamplePicture(QWidget *parent) : QWidget(parent)
{
    addAccessibleInterface(ExamplePicture::staticMetaObject.className(), accessiblePicture);
    setFocusPolicy(Qt::TabFocus);
}

void ExamplePicture::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

SymbologyPicture::SymbologyPicture(Lang lang, QWidget *parent)
    : QWidget(parent), m_layout(symbologyLayout(lang))
{
    const SymbologyTexts &sheet = symbologyTexts(lang);
    const AccessibleTexts &accessible = accessibleTexts(lang);
    setObjectName(QStringLiteral("client"));
    setFixedSize(m_layout.client);
    setAccessibleName(sheet.caption);
    // The sheet opens with the focus on itself, not on its first text: the designed
    // sheet shows no focus mark. Tab goes on to the texts from here.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
    // The texts stand in the default face, black on the sheet's background.
    const QFont face = controlFont();
    const QList<NamedText> named = sheet.examples + sheet.explanations;
    for (const SymbologyLayout::Text &row : m_layout.texts) {
        auto *label = new SheetText(textNamed(named, row.name), rectFromTwips(row.twips), face,
                                    row.layout, this);
        label->setObjectName(row.name);
        setColour(label, QPalette::WindowText, Qt::black);
        m_textsInOrder << label;
    }
    // The texts of one kind share a style in the design, and so one size: the
    // largest at which every one of them fits (the same face as the rest of the
    // sheet, rather than a narrower one the window nowhere else uses).
    std::map<SheetText::Layout, int> groupSize;
    for (const SheetText *text : m_textsInOrder) {
        const int pixels = text->fittedFont().pixelSize();
        auto [it, added] = groupSize.try_emplace(text->textLayout(), pixels);
        if (!added)
            it->second = std::min(it->second, pixels);
    }
    for (SheetText *text : m_textsInOrder)
        text->fitNoLargerThan(groupSize.at(text->textLayout()));

    for (Family family : kFamilies) {
        const auto i = static_cast<std::size_t>(family);
        auto *picture = new ExamplePicture(this);
        picture->setObjectName(QStringLiteral("Picture%1").arg(i + 1));
        picture->setGeometry(rectFromTwips(kBoxLeft, kBoxTops[i], kBoxWidth, kBoxHeight));
        picture->setAccessibleName(accessible.familyNames[i]);
        picture->setAccessibleDescription(accessible.exampleFigures[i]);
        m_pictures << picture;
    }
    // Read row by row: the example, its explanation, then the box of examples.
    QList<QWidget *> order;
    qsizetype row = 0;
    for (SheetText *text : m_textsInOrder) {
        order << text;
        if (text->textLayout() == SheetText::Layout::Wrapped)
            order << m_pictures.at(row++);
    }
    chainTabOrder(order);
}

QColor SymbologyPicture::background() const
{
    return m_layout.greyBackground ? kGrey : palette().color(QPalette::Button);
}

void SymbologyPicture::drawPage(QPainter &painter) const
{
    drawFigures(painter, m_layout.client, background());
    for (const SheetText *text : m_textsInOrder)
        text->drawOn(painter, text->palette().color(QPalette::WindowText));
}

void SymbologyPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFigures(painter, m_layout.client, background());
}

} // namespace tessaron
