#pragma once

#include "core/desktop.h"
#include "core/models/appcontext.h"
#include "core/texts/lang.h"
#include "core/texts/sheettexts.h"

#include <QObject>
#include <QStringList>

namespace tessaron {

// A printed sheet's rules (the registers sheet and the symbology sheet): what it
// shows from the shared texts, its help topic, and printing, with what to do when
// there is no printer or printing fails. The sheet's window draws the page.
class SheetModel : public QObject {
    Q_OBJECT
public:
    // `window` is the window the model serves: its messages are modal to it.
    SheetModel(Lang lang, const AppContext &context, int helpTopic, const PrintTexts &printing,
               QObject *window);

    // `RegistreR` ... `RegistreP`, as the opening step left them.
    [[nodiscard]] QStringList registers() const;
    // Prints the page `draw` draws as one document on the default printer. With
    // none, or with a queue that is stopped or refuses jobs, offers to keep it as
    // a PDF file named after the document; a failure is said, and so is a job the
    // queue stops or gives up afterwards. The sheet stays open whatever happens.
    void print(const QString &documentName, const PageDrawer &draw);
    // F1: the sheet's topic in the help file of its language.
    void help();

private:
    void offerPdf(const QString &question, const QString &documentName, const PageDrawer &draw);
    [[nodiscard]] QString fileFaultText(const PdfOutcome &saved) const;
    void reportJobFault(JobFault fault, const QString &printer);

    Lang m_lang;
    AppContext m_context;
    int m_helpTopic;
    const PrintTexts &m_printing;
    QStringList m_registers;
};

} // namespace tessaron
