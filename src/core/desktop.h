#pragma once

#include <QString>

#include <functional>

class QObject;

namespace tessaron {

// What a page is drawn with. The core only hands it on, from the desktop that
// prints to the window that draws; the windows' library says what it is.
class PagePainter;

// The help viewer's commands, numbered as the help calls of the windows number them.
enum class HelpCommand {
    Topic = 1,     // show the topic whose number is the data
    Contents = 3,  // show the contents
    Index = 0x105, // the keyword index, searched by a partial word
};

// Draws one page. The painter's origin is the top left of the printable area (of
// the paper's corner in a PDF file), and `dotsPerInch` the device's resolution.
using PageDrawer = std::function<void(PagePainter &painter, double dotsPerInch)>;

// What became of a page before it reached the queue. A stopped queue, or one
// that refuses jobs, would only keep the page waiting or lose it: it is not sent.
enum class PrintResult { Printed, NoPrinter, PrinterStopped, PrinterRejecting, Failed };
struct PrintOutcome {
    PrintResult result = PrintResult::Printed;
    QString printer; // the default queue's name, when there is one
};

// What a queue did with a page it took, seen while the job is followed.
enum class JobFault {
    Stopped,        // the queue stopped the job
    Aborted,        // the queue gave the job up
    Cancelled,      // someone cancelled it
    PrinterStopped, // the queue itself stopped, the job still in it
};
using JobFaultReport = std::function<void(JobFault fault, const QString &printer)>;

enum class SaveResult { Saved, Cancelled, Failed };
// Why a file could not be written.
enum class FileFault { None, AccessDenied, NoSuchFolder, ReadOnly, DiskFull, IsAFolder, Other };
struct PdfOutcome {
    SaveResult result = SaveResult::Saved;
    QString path; // the file chosen, when one was
    FileFault fault = FileFault::None;
    QString systemReason; // the system's own words, for a fault named Other
};

// Everything the program asks of the desktop. The real implementation talks to
// the system; tests hand the windows a fake that records what was asked. The
// `window` of a call is the window that asks (a box is modal to it); it is a
// QObject here, so that the rules that ask need no widget.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal box with the title "Tessaron", an OK button and no icon.
    virtual void message(QObject *window, const QString &text) = 0;
    // A modal Yes/No box with the title "Tessaron"; true for Yes.
    [[nodiscard]] virtual bool question(QObject *window, const QString &text) = 0;
    // Starts `program` with `address` as its one argument, without a shell and
    // without waiting. False when it could not be started.
    virtual bool startBrowser(const QString &program, const QString &address) = 0;
    // Opens the address with the desktop's default handler.
    virtual bool openAddress(const QString &address) = 0;
    // Opens the help viewer on `helpFile` (a path).
    virtual void help(QObject *window, const QString &helpFile, HelpCommand command, int data) = 0;
    // Keeps a window in front of the others, or releases it.
    virtual void keepInFront(QObject *window, bool inFront) = 0;
    // Prints one page, as a document of its own, on the default printer, with no
    // dialog; NoPrinter when there is no default printer, and the page is not sent
    // to a queue that is stopped or refuses jobs. A page that was sent is followed
    // for a few seconds, without waiting here: `onFault` is called later, once, if
    // the queue does not print it.
    virtual PrintOutcome printPage(QObject *window, const QString &documentName,
                                   const PageDrawer &draw, const JobFaultReport &onFault) = 0;
    // Asks where to keep the page as a PDF file, `suggestedName` offered first,
    // and writes it there.
    virtual PdfOutcome savePageAsPdf(QObject *window, const QString &suggestedName,
                                     const PageDrawer &draw) = 0;
};

} // namespace tessaron
