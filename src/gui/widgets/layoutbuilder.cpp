#include "gui/widgets/layoutbuilder.h"

#include "gui/widgets/colours.h"
#include "gui/widgets/twips.h"

namespace tessaron {

QLabel *LayoutBuilder::label(const LayoutRow &row, const QString &text)
{
    auto *label = new QLabel(m_parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text.isNull() ? row.caption : text);
    label->setWordWrap(row.look.flow == TextFlow::Wrapped);
    apply(label, row);
    return label;
}

void LayoutBuilder::addOutline(FigureCanvas *canvas, const OutlineRow &row)
{
    const FamilyOutline drawn = outline(row);
    canvas->addFamilyOutline(drawn.family, drawn.area, drawn.width, drawn.designed);
}

void LayoutBuilder::addFrame(FigureCanvas *canvas, const LayoutRow &row, int width)
{
    canvas->addRectangle(pixels(row), width);
}

void LayoutBuilder::apply(QWidget *control, const LayoutRow &row)
{
    place(control, row);
    if (row.look.font)
        control->setFont(designedFont(*row.look.font));
}

void LayoutBuilder::place(QWidget *control, const LayoutRow &row)
{
    if (!row.name.isEmpty())
        control->setObjectName(row.name);
    control->setGeometry(pixels(row));
    setColour(control, QPalette::WindowText, row.look.text);
    setColour(control, QPalette::Window, row.look.background);
    if (auto *label = qobject_cast<QLabel *>(control); label && row.look.alignment)
        label->setAlignment(row.look.alignment);
}

QRect LayoutBuilder::pixels(const LayoutRow &row)
{
    return rectFromTwips(row.twips);
}

QSize LayoutBuilder::pixels(QSize twips)
{
    return sizeFromTwips(twips.width(), twips.height());
}

FamilyOutline LayoutBuilder::outline(const OutlineRow &row)
{
    QPolygon points;
    for (const QPoint &point : row.points)
        points << pointFromTwips(point.x(), point.y());
    return {row.family, rectFromTwips(row.twips), row.width, points};
}

QFont LayoutBuilder::font(const Look &look, const QFont &otherwise)
{
    return look.font ? designedFont(*look.font) : otherwise;
}

} // namespace tessaron
