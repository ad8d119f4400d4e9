#include "gui/sheets/registerswindow.h"

#include "core/models/sheetmodel.h"
#include "core/texts/accessibletexts.h"
#include "core/texts/sheettexts.h"
#include "gui/sheets/registerslayout.h"
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
