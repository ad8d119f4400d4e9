#include "core/models/sheetmodel.h"

#include "core/coding/modtessaron.h"
#include "core/settings/filelocations.h"
#include "core/texts/mainwindowtexts.h"

#include <QDir>

namespace tessaron {

SheetModel::SheetModel(Lang lang, const AppContext &context, int helpTopic,
                       const PrintTexts &printing, QObject *window)
    : QObject(window), m_lang(lang), m_context(context), m_helpTopic(helpTopic),
      m_printing(printing)
{
}

QStringList SheetModel::registers() const
{
    const ModTessaron &s = m_context.state;
    return {s.RegistreR, s.RegistreC, s.RegistreT, s.RegistreP};
}

void SheetModel::print(const QString &documentName, const PageDrawer &draw)
{
    Desktop &desktop = m_context.desktop;
    switch (desktop.printPage(parent(), documentName, draw)) {
    case PrintResult::Printed:
        return;
    case PrintResult::Failed:
        desktop.message(parent(), m_printing.printFailed);
        return;
    case PrintResult::NoPrinter:
        if (desktop.question(parent(), m_printing.noPrinter) &&
            desktop.savePageAsPdf(parent(), documentName + QStringLiteral(".pdf"), draw) ==
                SaveResult::Failed)
            desktop.message(parent(), m_printing.pdfFailed);
        return;
    }
}

void SheetModel::help()
{
    m_context.desktop.help(parent(),
                           locateHelpFile(m_context.programDir, mainWindowTexts(m_lang).helpFile),
                           HelpCommand::Topic, m_helpTopic);
}

} // namespace tessaron
