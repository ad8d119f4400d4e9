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

constexpr int kOutlineWidth = 2;

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

    const int top = texts.figuresTop;
    client->addFamilyOutline(Family::R, rectFromTwips(120, 480 + top, 1215, 495), kOutlineWidth);
    client->addFamilyOutline(Family::C, rectFromTwips(120, 1200 + top, 1215, 495), kOutlineWidth);
    client->addFamilyOutline(
        Family::T, {}, kOutlineWidth,
        polygonFromTwips({{720, 1920 + top}, {1320, 2400 + top}, {120, 2400 + top}}));
    client->addFamilyOutline(Family::P, {}, kOutlineWidth,
                             polygonFromTwips({{480, 2760 + top},
                                               {960, 2760 + top},
                                               {1320, 2880 + top},
                                               {1320, 3000 + top},
                                               {960, 3120 + top},
                                               {480, 3120 + top},
                                               {120, 3000 + top},
                                               {120, 2880 + top}}));

    const QStringList registers = model()->registers();
    for (std::size_t i = 0; i < m_registers.size(); ++i) {
        // One line at the designed size: a long register shows what fits its
        // box, and the page prints it in full.
        auto *label = new SheetText(registers.value(int(i)), rectFromTwips(texts.labels[i]),
                                    arial({11.25, true}), SheetText::Layout::OneLineKept, client);
        label->setObjectName(texts.labelPrefix + QString::number(i + 1));
        setColour(label, QPalette::WindowText, kDarkBlue);
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
    for (const auto &[name, top] : {std::pair{"Image1", 360}, std::pair{"Image2", 1680}}) {
        auto *image = new QLabel(client);
        image->setObjectName(QString::fromLatin1(name));
        image->setGeometry(rectFromTwips(6000, top, 480, 480));
        image->setAlignment(Qt::AlignCenter);
        image->setPixmap(arrow);
    }
}

void RegistersWindow::drawPage(QPainter &painter, double dotsPerInch) const
{
    drawRegistersPage(painter, dotsPerInch, model()->registers());
}

} // namespace tessaron
