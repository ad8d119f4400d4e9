#include "gui/sheets/registerswindow.h"

#include "core/models/sheetmodel.h"
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

// Where the registers window's figures, registers and arrows stand, in twips,
// and how the registers look. The Spanish twin's figures stand 120 twips lower,
// and its registers are narrower, to leave room for its instructions.
struct RegistersLayout {
    std::array<FamilyOutline, 4> outlines; // pixels
    std::array<QRect, 4> registers;
    FontSpec registerFont;
    QColor registerColour;
    std::array<QRect, 2> arrows;
};

RegistersLayout layoutFor(int top, const std::array<QRect, 4> &registers)
{
    RegistersLayout l;
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

const RegistersLayout &registersLayout(Lang lang)
{
    static const RegistersLayout spanish =
        layoutFor(120, {QRect(1560, 720, 4455, 375), QRect(1560, 1440, 4335, 375),
                        QRect(1560, 2160, 4335, 375), QRect(1560, 2880, 4455, 375)});
    static const RegistersLayout english =
        layoutFor(0, {QRect(1560, 600, 7335, 375), QRect(1560, 1320, 7335, 375),
                      QRect(1560, 2040, 7335, 375), QRect(1560, 2760, 7335, 375)});
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace

RegistersWindow::RegistersWindow(Lang lang, const AppContext &context)
    : SheetWindow(lang, context, registersTexts(lang))
{
    createControls();
    place();
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
    if (texts.instructions.isEmpty())
        return;
    QFont bold = controlFont();
    bold.setBold(true);
    // The heading stands out.
    QFont headingFont = controlFont();
    headingFont.setPointSizeF(9.75);
    headingFont.setBold(true);
    headingFont.setUnderline(true);
    for (const PlacedText &placed : texts.instructions) {
        const bool heading = placed.style == PlacedText::Style::Heading;
        auto *label = new SheetText(
            placed.text, rectFromTwips(placed.twips), heading ? headingFont : bold,
            heading ? SheetText::Layout::OneLine : SheetText::Layout::Wrapped, client);
        label->setObjectName(placed.name);
        const QColor colour = heading                                       ? kRed
                              : placed.style == PlacedText::Style::Emphasis ? kGreen
                                                                            : QColor(Qt::black);
        setColour(label, QPalette::WindowText, colour);
        m_instructions << label;
    }

    const qreal ratio = screenRatio(this);
    const QPixmap arrow = stepIcon(true).pixmap(QSize(32, 24), ratio);
    const RegistersLayout &layout = registersLayout(lang());
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
