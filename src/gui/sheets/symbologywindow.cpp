#include "gui/sheets/symbologywindow.h"

#include "core/models/sheetmodel.h"
#include "core/texts/sheettexts.h"
#include "gui/sheets/symbologypicture.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/icons.h"
#include "gui/widgets/windowplacement.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>

namespace tessaron {

namespace {

// Logical pixels an inch: 1,440 twips at 15 twips a pixel.
constexpr double kPixelsPerInch = 96.0;

} // namespace

SymbologyWindow::SymbologyWindow(Lang lang, const AppContext &context)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_lang(lang), m_model(new SheetModel(lang, context, symbologyTexts(lang).helpTopic,
                                           symbologyTexts(lang).printing, this))
{
    const SymbologyTexts &texts = symbologyTexts(lang);
    setObjectName(texts.windowName);
    setWindowTitle(texts.caption);
    setWindowIcon(applicationIcon());
    setFont(controlFont());
    m_picture = new SymbologyPicture(texts, this);
    setCentralWidget(m_picture);

    QAction *print = menuBar()->addAction(texts.printItem);
    print->setObjectName(texts.printItemName);
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    connect(print, &QAction::triggered, m_model, [this, &texts] {
        m_model->print(texts.documentName, [this](QPainter &painter, double dotsPerInch) {
            drawPage(painter, dotsPerInch);
        });
    });
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, m_model, &SheetModel::help);

    setFixedSize(m_picture->width(), m_picture->height() + menuBar()->sizeHint().height());
    centreOnScreen(this);
}

void SymbologyWindow::drawPage(QPainter &painter, double dotsPerInch) const
{
    painter.save();
    painter.scale(dotsPerInch / kPixelsPerInch, dotsPerInch / kPixelsPerInch);
    drawSymbology(painter, symbologyTexts(m_lang), m_picture->background());
    painter.restore();
}

void SymbologyWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed(m_lang);
}

} // namespace tessaron
