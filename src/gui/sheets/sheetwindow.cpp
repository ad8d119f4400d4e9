#include "gui/sheets/sheetwindow.h"

#include "core/models/sheetmodel.h"
#include "gui/printing/pagepainter.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/windowplacement.h"

#include <QMenuBar>
#include <QShortcut>

namespace tessaron {

SheetWindow::SheetWindow(Lang lang, const AppContext &context, const SheetTexts &texts)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_lang(lang), m_texts(texts),
      m_model(new SheetModel(lang, context, texts.helpTopic, texts.printing, this))
{
    setObjectName(texts.windowName);
    setWindowTitle(texts.caption);
    setFont(controlFont());

    QAction *print = menuBar()->addAction(texts.printItem);
    print->setObjectName(texts.printItemName);
    menuBar()->setObjectName(QStringLiteral("menuBar"));
    connect(print, &QAction::triggered, m_model, [this] {
        m_model->print(m_texts.documentName, [this](PagePainter &painter, double dotsPerInch) {
            drawPage(painter, dotsPerInch);
        });
    });
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, m_model, &SheetModel::help);
    // Escape leaves a sheet as its close box does: without a window manager there
    // is no close box, and a sheet has no button of its own.
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(leave, &QShortcut::activated, this, &QWidget::close);
}

void SheetWindow::place(QSize client)
{
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
    centreOnScreen(this);
}

} // namespace tessaron
