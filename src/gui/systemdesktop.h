#pragma once

#include "core/desktop.h"
#include "gui/app/qttranslations.h"

#include <QPointer>

namespace tessaron {

class HelpViewer;

// The Desktop of a running program: real message boxes, processes, help and
// printing. Its boxes and dialogs speak the language of the window that asks,
// Qt's own words included.
class SystemDesktop : public Desktop {
public:
    SystemDesktop();
    ~SystemDesktop() override;

    void message(QObject *window, const QString &text) override;
    bool question(QObject *window, const QString &text) override;
    bool startBrowser(const QString &program, const QString &address) override;
    bool openAddress(const QString &address) override;
    void help(QObject *window, const QString &helpFile, HelpCommand command, int data) override;
    void keepInFront(QObject *window, bool inFront) override;
    PrintOutcome printPage(QObject *window, const QString &documentName, const PageDrawer &draw,
                           const JobFaultReport &onFault) override;
    PdfOutcome savePageAsPdf(QObject *window, const QString &suggestedName,
                             const PageDrawer &draw) override;

private:
    // Qt's words in the language of `window`'s twin, before a box or a dialog is made.
    void speakLanguageOf(QObject *window);

    QtTranslations m_qtTranslations;
    QPointer<HelpViewer> m_helpViewer;
};

} // namespace tessaron
