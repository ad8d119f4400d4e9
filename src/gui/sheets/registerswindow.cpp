#include "gui/sheets/registerswindow.h"

#include "core/models/sheetmodel.h"
#include "core/texts/accessibletexts.h"
#include "core/texts/sheettexts.h"
#include "gui/sheets/registerspage.h"
#include "gui/sheets/sheettext.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/icons.h"
#include "gui/widgets/taborder.h"
#include "gui/widgets/twips.h"
#include "gui/widgets/windowplacement.h"

#include <QLabel>

namespace tessaron {

namespace {

// Where the registers window's figures, registers, instructions and arrows
// stand, in twips, and how they look. The Spanish twin's figures stand 120 twips
// lower, and its registers are narrower, to leave room for its instructions.
struct RegistersLayout {
    // How an instruction stands out: a heading, the plain text, or the half of a
    // sentence that the reader must act on.
    enum class Style { Plain, Heading, Emphasis };
    struct Instruction {
        QString name; // its text's
        QRect twips;
        Style style = Style::Plain;
    };

    QSize client;                          // pixels
    std::array<FamilyOutline, 4> outlines; // pixels
    std::array<QRect, 4> registers;
    FontSpec registerFont;
    QColor registerColour;
    QList<Instruction> instructions; // with the arrows, only where there are any
    std::array<QRect, 2> arrows;
};

RegistersLayout layoutFor(QSize clientTwips, int top, const std::array<QRect, 4> &registers)
{
    RegistersLayout l;
    l.client = sizeFromTwips(clientTwips.width(), clientTwips.height());
    const int width = 2;
    l.outlines = {{
        {Family::R, rectFromTwips(120, 480 + top, 1215, 495), width},
        {Family::C, rectFromTwips(120, 1200 + top, 1215, 495), width},
        {Family::T,
         {},
         width,
         polygonFromTwips({{720, 1920 + top}, {1320, 2400 + top}, {120, 2400 + top}})},
        {Family::P,
         {},
         width,
         polygonFromTwips({{480, 2760 + top},
                           {960, 2760 + top},
                           {1320, 2880 + top},
                           {1320, 3000 + top},
                           {960, 3120 + top},
                           {480, 3120 + top},
                           {120, 3000 + top},
                           {120, 2880 + top}})},
    }};
    l.registers = registers;
    l.registerFont = {11.25, true};
    l.registerColour = kDarkBlue;
    l.arrows = {QRect(6000, 360, 480, 480), QRect(6000, 1680, 480, 480)};
    return l;
}

RegistersLayout spanishLayout()
{
    using Style = RegistersLayout::Style;
    RegistersLayout l = layoutFor(QSize(9135, 3570), 120,
                                  {QRect(1560, 720, 4455, 375), QRect(1560, 1440, 4335, 375),
                                   QRect(1560, 2160, 4335, 375), QRect(1560, 2880, 4455, 375)});
    l.instructions = {
        {QStringLiteral("Label5"), QRect(6960, 0, 1815, 375), Style::Heading},
        {QStringLiteral("Label1"), QRect(6600, 480, 2415, 495)},
        {QStringLiteral("Label2"), QRect(6600, 960, 2175, 495), Style::Emphasis},
        {QStringLiteral("Label3"), QRect(6600, 1800, 2535, 495)},
        {QStringLiteral("Label4"), QRect(6600, 2280, 2415, 615), Style::Emphasis},
    };
    return l;
}

const RegistersLayout &registersLayout(Lang lang)
{
    static const RegistersLayout spanish = spanishLayout();
    static const RegistersLayout english =
        layoutFor(QSize(9105, 3450), 0,
                  {QRect(1560, 600, 7335, 375), QRect(1560, 1320, 7335, 375),
                   QRect(1560, 2040, 7335, 375), QRect(1560, 2760, 7335, 375)});
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace

RegistersWindow::RegistersWindow(Lang lang, const AppContext &context)
    : SheetWindow(lang, context, registersTexts(lang))
{
    createControls();
    place(registersLayout(lang).client);
}

void RegistersWindow::createControls()
{
    const RegistersTexts &texts = registersTexts(lang());
    auto *client = new FigureCanvas(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    const RegistersLayout &layout = registersLayout(lang());
    for (const FamilyOutline &outline : layout.outlines)
        client->addFamilyOutline(outline.family, outline.area, outline.width, outline.designed);

    const QStringList registers = model()->registers();
    for (std::size_t i = 0; i < m_registers.size(); ++i) {
        // One line at the designed size: a long register shows what fits its
        // box, and the page prints it in full.
        auto *label =
            new SheetText(registers.value(int(i)), rectFromTwips(layout.registers[i]),
                          arial(layout.registerFont), SheetText::Layout::OneLineKept, client);
        label->setObjectName(texts.labelPrefix + QString::number(i + 1));
        // The figure drawn beside it says its family on screen; a screen reader says it.
        label->setAccessibleName(
            accessibleTexts(lang()).textWithFamily(registers.value(int(i)), kFamilies[i]));
        setColour(label, QPalette::WindowText, layout.registerColour);
        m_registers[i] = label;
    }
    createInstructions(client);
    // Read as two columns: the registers, then the panel that explains them.
    QList<QWidget *> order(m_registers.cbegin(), m_registers.cend());
    order << m_instructions;
    chainTabOrder(order);
}

void RegistersWindow::createInstructions(QWidget *client)
{
    const RegistersTexts &texts = registersTexts(lang());
    const RegistersLayout &layout = registersLayout(lang());
    if (layout.instructions.isEmpty())
        return;
    QFont bold = controlFont();
    bold.setBold(true);
    // The heading stands out.
    QFont headingFont = controlFont();
    headingFont.setPointSizeF(9.75);
    headingFont.setBold(true);
    headingFont.setUnderline(true);
    using Style = RegistersLayout::Style;
    for (const RegistersLayout::Instruction &row : layout.instructions) {
        const bool heading = row.style == Style::Heading;
        auto *label = new SheetText(
            textNamed(texts.instructions, row.name), rectFromTwips(row.twips),
            heading ? headingFont : bold,
            heading ? SheetText::Layout::OneLine : SheetText::Layout::Wrapped, client);
        label->setObjectName(row.name);
        const QColor colour = heading                        ? kRed
                              : row.style == Style::Emphasis ? kGreen
                                                             : QColor(Qt::black);
        setColour(label, QPalette::WindowText, colour);
        m_instructions << label;
    }

    const qreal ratio = screenRatio(this);
    const QPixmap arrow = stepIcon(true).pixmap(QSize(32, 24), ratio);
    for (std::size_t i = 0; i < layout.arrows.size(); ++i) {
        auto *image = new QLabel(client);
        image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        image->setGeometry(rectFromTwips(layout.arrows[i]));
        image->setAlignment(Qt::AlignCenter);
        image->setPixmap(arrow);
    }
}

void RegistersWindow::drawPage(QPainter &painter, double dotsPerInch) const
{
    drawRegistersPage(painter, dotsPerInch, model()->registers());
}

} // namespace tessaron
