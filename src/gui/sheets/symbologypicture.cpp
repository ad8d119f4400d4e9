#include "gui/sheets/symbologypicture.h"

#include "core/texts/accessibletexts.h"
#include "core/texts/sheettexts.h"
#include "gui/sheets/sheettext.h"
#include "gui/sheets/symbologylayout.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/layoutbuilder.h"
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

constexpr int kSmallOutline = 2;

void drawLargeFigures(QPainter &p, const SymbologyLayout &layout)
{
    for (const OutlineRow &outline : layout.outlines)
        drawFamilyOutline(p, LayoutBuilder::outline(outline));
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

void drawBoxes(QPainter &p, const SymbologyLayout &layout)
{
    for (std::size_t box = 0; box < layout.pictures.size(); ++box) {
        const QRect frame = LayoutBuilder::pixels(layout.pictures[box]);
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

void drawFigures(QPainter &painter, const SymbologyLayout &layout, const QColor &background)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), LayoutBuilder::pixels(layout.client)), background);
    drawLargeFigures(painter, layout);
    drawBoxes(painter, layout);
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
    setFixedSize(LayoutBuilder::pixels(m_layout.client));
    setAccessibleName(sheet.caption);
    // The sheet opens with the focus on itself, not on its first text: the designed
    // sheet shows no focus mark. Tab goes on to the texts from here.
    setFocusPolicy(Qt::ClickFocus);
    setFocus();
    const QList<NamedText> named = sheet.examples + sheet.explanations;
    for (const LayoutRow &row : m_layout.texts)
        m_textsInOrder << new SheetText(textNamed(named, row.name), row, this);
    // The texts of one kind share a style in the design, and so one size: the
    // largest at which every one of them fits (the same face as the rest of the
    // sheet, rather than a narrower one the window nowhere else uses).
    std::map<TextFlow, int> groupSize;
    for (const SheetText *text : m_textsInOrder) {
        const int pixels = text->fittedFont().pixelSize();
        auto [it, added] = groupSize.try_emplace(text->flow(), pixels);
        if (!added)
            it->second = std::min(it->second, pixels);
    }
    for (SheetText *text : m_textsInOrder)
        text->fitNoLargerThan(groupSize.at(text->flow()));

    LayoutBuilder build(this);
    for (Family family : kFamilies) {
        const auto i = static_cast<std::size_t>(family);
        auto *picture = build.add<ExamplePicture>(m_layout.pictures[i]);
        picture->setAccessibleName(accessible.familyNames[i]);
        picture->setAccessibleDescription(accessible.exampleFigures[i]);
        m_pictures << picture;
    }
    // Read row by row: the example, its explanation, then the box of examples.
    QList<QWidget *> order;
    qsizetype row = 0;
    for (SheetText *text : m_textsInOrder) {
        order << text;
        if (text->flow() == TextFlow::Wrapped)
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
    drawFigures(painter, m_layout, background());
    for (const SheetText *text : m_textsInOrder)
        text->drawOn(painter, text->palette().color(QPalette::WindowText));
}

void SymbologyPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFigures(painter, m_layout, background());
}

} // namespace tessaron
