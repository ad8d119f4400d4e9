#include "gui/systemdesktop.h"

#include "gui/help/helpviewer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QUrl>
#include <QWindow>

namespace tessaron {

namespace {

const QString kTitle = QStringLiteral("Tessaron");

// The window that asks, as the parent of a box; null for a box of its own.
QWidget *asWidget(QObject *window)
{
    auto *widget = qobject_cast<QWidget *>(window);
    return widget ? widget->window() : nullptr;
}

// A modal box with the title "Tessaron" and no icon; the button pressed. The box
// is a child of the window that asks, and the program may end while it is open
// (a logout, Exit): the window then takes the box with it, so the box must not
// also live on this stack.
int showBox(QObject *window, const QString &text, QMessageBox::StandardButtons buttons)
{
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, kTitle, text, buttons, asWidget(window));
    // A message may quote a stored name: it is shown as the text it is, never as markup.
    box->setTextFormat(Qt::PlainText);
    const int pressed = box->exec();
    delete box.data();
    return pressed;
}

} // namespace

SystemDesktop::~SystemDesktop()
{
    delete m_helpViewer;
}

void SystemDesktop::message(QObject *window, const QString &text)
{
    showBox(window, text, QMessageBox::Ok);
}

bool SystemDesktop::question(QObject *window, const QString &text)
{
    return showBox(window, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool SystemDesktop::startBrowser(const QString &program, const QString &address)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {address});
}

bool SystemDesktop::openAddress(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

void SystemDesktop::help(QObject *, const QString &helpFile, HelpCommand command, int data)
{
    // The viewer stands on its own, as a separate help program would: closing the
    // window that asked for help leaves it open.
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer;
    m_helpViewer->showHelp(helpFile, command, data);
}

void SystemDesktop::keepInFront(QObject *object, bool inFront)
{
    QWidget *window = asWidget(object);
    if (!window)
        return;
    // Told to the window that is on the screen, not by setting the widget's flags:
    // those would make a new native window, hidden, elsewhere.
    const Qt::WindowFlags flags = inFront ? window->windowFlags() | Qt::WindowStaysOnTopHint
                                          : window->windowFlags() & ~Qt::WindowStaysOnTopHint;
    window->overrideWindowFlags(flags);
    if (QWindow *handle = window->windowHandle())
        handle->setFlags(flags);
}

namespace {

// Draws the page on an open printer, from the top left of its printable area.
bool drawOn(QPrinter &printer, const PageDrawer &draw)
{
    printer.setFullPage(false);
    // Qt adds margins of its own unless told the printer's smallest ones.
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    draw(painter, printer.resolution());
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace

PrintResult SystemDesktop::printPage(QObject *, const QString &documentName, const PageDrawer &draw)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return PrintResult::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    return drawOn(printer, draw) ? PrintResult::Printed : PrintResult::Failed;
}

SaveResult SystemDesktop::savePageAsPdf(QObject *window, const QString &suggestedName,
                                        const PageDrawer &draw)
{
    const QString path =
        QFileDialog::getSaveFileName(asWidget(window), kTitle, QDir::home().filePath(suggestedName),
                                     QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return SaveResult::Cancelled;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(QFileInfo(path).completeBaseName());
    return drawOn(printer, draw) ? SaveResult::Saved : SaveResult::Failed;
}

} // namespace tessaron
