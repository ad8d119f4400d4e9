#include "core/models/sheetmodel.h"

#include "core/coding/modtessaron.h"
#include "core/settings/filelocations.h"
#include "core/texts/mainwindowtexts.h"

#include <QDir>
#include <QPointer>

namespace tessaron {

SheetModel::SheetModel(Lang lang, const AppContext &context, int helpTopic,
                       const PrintTexts &printing, QObject *window)
    : QObject(window), m_lang(lang), m_context(context), m_helpTopic(helpTopic),
      m_printing(printing),
      // The registers of the name the sheet was opened for: the window shows them
      // and the page prints them, whatever the main window forms meanwhile.
      m_registers{context.state.RegistreR, context.state.RegistreC, context.state.RegistreT,
                  context.state.RegistreP}
{
}

QStringList SheetModel::registers() const
{
    return m_registers;
}

void SheetModel::print(const QString &documentName, const PageDrawer &draw)
{
    Desktop &desktop = m_context.desktop;
    // A fault found after the page left is said by the sheet while it is open.
    const QPointer<SheetModel> self(this);
    const PrintOutcome outcome = desktop.printPage(parent(), documentName, draw,
                                                   [self](JobFault fault, const QString &printer) {
                                                       if (self)
                                                           self->reportJobFault(fault, printer);
                                                   });
    switch (outcome.result) {
    case PrintResult::Printed:
        return;
    case PrintResult::Failed:
        desktop.message(parent(), m_printing.printFailed);
        return;
    case PrintResult::NoPrinter:
        offerPdf(m_printing.noPrinter, documentName, draw);
        return;
    case PrintResult::PrinterStopped:
        offerPdf(m_printing.printerStopped.arg(outcome.printer), documentName, draw);
        return;
    case PrintResult::PrinterRejecting:
        offerPdf(m_printing.printerRejecting.arg(outcome.printer), documentName, draw);
        return;
    }
}

void SheetModel::offerPdf(const QString &question, const QString &documentName,
                          const PageDrawer &draw)
{
    Desktop &desktop = m_context.desktop;
    if (!desktop.question(parent(), question))
        return;
    const PdfOutcome saved =
        desktop.savePageAsPdf(parent(), documentName + QStringLiteral(".pdf"), draw);
    if (saved.result == SaveResult::Failed)
        desktop.message(parent(), m_printing.pdfFailed.arg(QDir::toNativeSeparators(saved.path),
                                                           fileFaultText(saved)));
}

QString SheetModel::fileFaultText(const PdfOutcome &saved) const
{
    switch (saved.fault) {
    case FileFault::AccessDenied:
        return m_printing.accessDenied;
    case FileFault::NoSuchFolder:
        return m_printing.noSuchFolder;
    case FileFault::ReadOnly:
        return m_printing.readOnly;
    case FileFault::DiskFull:
        return m_printing.diskFull;
    case FileFault::IsAFolder:
        return m_printing.isAFolder;
    case FileFault::None:
    case FileFault::Other:
        break;
    }
    return saved.systemReason;
}

void SheetModel::reportJobFault(JobFault fault, const QString &printer)
{
    const QString *text = &m_printing.jobStopped;
    switch (fault) {
    case JobFault::Stopped:
        break;
    case JobFault::Aborted:
        text = &m_printing.jobAborted;
        break;
    case JobFault::Cancelled:
        text = &m_printing.jobCancelled;
        break;
    case JobFault::PrinterStopped:
        text = &m_printing.queueStopped;
        break;
    }
    m_context.desktop.message(parent(), text->arg(printer));
}

void SheetModel::help()
{
    m_context.desktop.help(parent(),
                           locateHelpFile(m_context.programDir, mainWindowTexts(m_lang).helpFile),
                           HelpCommand::Topic, m_helpTopic);
}

} // namespace tessaron
