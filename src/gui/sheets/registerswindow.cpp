#include "gui/sheets/registerswindow.h"

#include "core/models/sheetmodel.h"
#include "core/texts/accessibletexts.h"
#include "core/texts/sheettexts.h"
#include "gui/sheets/registerslayout.h"
#include "gui/sheets/registerspage.h"
#include "gui/sheets/sheettext.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/icons.h"
#include "gui/widgets/layoutbuilder.h"
#include "gui/widgets/taborder.h"
#include "gui/widgets/windowplacement.h"

#include <QLabel>

namespace tessaron {

RegistersWindow::RegistersWindow(Lang lang, const AppContext &context)
    : SheetWindow(lang, context, registersTexts(lang))
{
    createControls();
    place(LayoutBuilder::pixels(registersLayout(lang).client));
}

void RegistersWindow::createControls()
{
    auto *client = new FigureCanvas(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    const RegistersLayout &layout = registersLayout(lang());
    for (const OutlineRow &outline : layout.outlines)
        LayoutBuilder::addOutline(client, outline);

    const QStringList registers = model()->registers();
    for (std::size_t i = 0; i < m_registers.size(); ++i) {
        auto *label = new SheetText(registers.value(int(i)), layout.registers[i], client);
        // The figure drawn beside it says its family on screen; a screen reader says it.
        label->setAccessibleName(
            accessibleTexts(lang()).textWithFamily(registers.value(int(i)), kFamilies[i]));
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
    for (const LayoutRow &row : layout.instructions)
        m_instructions << new SheetText(textNamed(texts.instructions, row.name), row, client);

    const qreal ratio = screenRatio(this);
    const QPixmap arrow = stepIcon(true).pixmap(QSize(32, 24), ratio);
    LayoutBuilder build(client);
    for (const LayoutRow &row : layout.arrows)
        build.add<QLabel>(row)->setPixmap(arrow);
}

void RegistersWindow::drawPage(QPainter &painter, double dotsPerInch) const
{
    drawRegistersPage(painter, dotsPerInch, model()->registers());
}

} // namespace tessaron
