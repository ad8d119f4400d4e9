#include "gui/systemdesktop.h"

#include "gui/app/windowlanguage.h"
#include "gui/help/helpviewer.h"
#include "gui/printing/pagepainter.h"
#include "gui/printing/printqueue.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
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

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

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
    // A message may quote a stored name, a file or a queue: shown as the text it
    // is, never as markup.
    box->setTextFormat(Qt::PlainText);
    const int pressed = box->exec();
    delete box.data();
    return pressed;
}

} // namespace

SystemDesktop::SystemDesktop()
{
    m_qtTranslations.followFocus();
}

SystemDesktop::~SystemDesktop()
{
    delete m_helpViewer;
}

void SystemDesktop::speakLanguageOf(QObject *window)
{
    if (const std::optional<Lang> lang = windowLanguage(window))
        m_qtTranslations.use(*lang);
}

void SystemDesktop::message(QObject *window, const QString &text)
{
    speakLanguageOf(window);
    showBox(window, text, QMessageBox::Ok);
}

bool SystemDesktop::question(QObject *window, const QString &text)
{
    speakLanguageOf(window);
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

void SystemDesktop::help(QObject *window, const QString &helpFile, HelpCommand command, int data)
{
    // The viewer stands on its own, as a separate help program would: closing the
    // window that asked for help leaves it open.
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer;
    const Lang lang =
        windowLanguage(window).value_or(helpFileLanguage(helpFile).value_or(Lang::Spanish));
    m_qtTranslations.use(lang);
    m_helpViewer->showHelp(helpFile, command, data, lang);
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

// How long a sent page is followed in its queue: long enough for a local queue to
// take it to its device, short enough that the program forgets it soon.
constexpr int kFollowJobMs = 10000;

// Draws the page on an open printer, from the top left of its printable area.
bool drawOn(QPrinter &printer, const PageDrawer &draw)
{
    printer.setFullPage(false);
    // Qt adds margins of its own unless told the printer's smallest ones.
    printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
    PagePainter painter;
    if (!painter.begin(&printer))
        return false;
    draw(painter, printer.resolution());
    return painter.end() && printer.printerState() != QPrinter::Error;
}

FileFault faultOf(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return FileFault::AccessDenied;
    case ENOENT:
    case ENOTDIR:
        return FileFault::NoSuchFolder;
    case EROFS:
        return FileFault::ReadOnly;
    case ENOSPC:
    case EDQUOT:
        return FileFault::DiskFull;
    case EISDIR:
        return FileFault::IsAFolder;
    default:
        return FileFault::Other;
    }
}

// Whether `path` can be written, tried as the PDF writer will: Qt's writer only
// says that it could not begin, and says that on standard error. A file that was
// not there before is left out again.
PdfOutcome tryWriting(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    const bool existed = ::access(native.constData(), F_OK) == 0;
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        return {SaveResult::Failed, path, faultOf(error),
                QString::fromLocal8Bit(std::strerror(error))};
    }
    ::close(fd);
    if (!existed)
        ::unlink(native.constData());
    return {SaveResult::Saved, path, FileFault::None, {}};
}

} // namespace

PrintOutcome SystemDesktop::printPage(QObject *, const QString &documentName,
                                      const PageDrawer &draw, const JobFaultReport &onFault)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {PrintResult::NoPrinter, {}};
    const QString queue = info.printerName();
    const QueueState state = queueState(queue);
    if (state.known && state.stopped)
        return {PrintResult::PrinterStopped, queue};
    if (state.known && !state.accepting)
        return {PrintResult::PrinterRejecting, queue};
    const int lastJob = lastJobId(queue);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (!drawOn(printer, draw))
        return {PrintResult::Failed, queue};
    new JobFollower(queue, lastJob, documentName, onFault, kFollowJobMs);
    return {PrintResult::Printed, queue};
}

PdfOutcome SystemDesktop::savePageAsPdf(QObject *window, const QString &suggestedName,
                                        const PageDrawer &draw)
{
    speakLanguageOf(window);
    // Qt's own dialog, whose words follow the window's language; a desktop's
    // dialog would speak the desktop's.
    const QString path = QFileDialog::getSaveFileName(
        asWidget(window), kTitle, QDir::home().filePath(suggestedName),
        QStringLiteral("PDF (*.pdf)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return {SaveResult::Cancelled, {}, FileFault::None, {}};
    PdfOutcome outcome = tryWriting(path);
    if (outcome.result == SaveResult::Failed)
        return outcome;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(QFileInfo(path).completeBaseName());
    if (drawOn(printer, draw) && QFileInfo(path).size() > 0)
        return outcome;
    // Written in part, as when the disk fills: what the system says now.
    outcome = tryWriting(path);
    if (outcome.result == SaveResult::Saved)
        outcome = {SaveResult::Failed, path, FileFault::Other, {}};
    return outcome;
}

} // namespace tessaron
