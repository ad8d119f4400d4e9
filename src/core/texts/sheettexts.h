#pragma once

#include "core/texts/lang.h"

#include <QList>
#include <QString>

#include <array>

namespace tessaron {

// What a sheet says about printing, in its twin's language.
struct PrintTexts {
    QString noPrinter;        // a question: keep the page as a PDF file instead?
    QString printerStopped;   // the same question for a stopped queue; %1 the queue
    QString printerRejecting; // and for one that refuses jobs; %1 the queue
    QString printFailed;
    QString jobStopped;   // %1 the queue
    QString jobAborted;   // %1 the queue
    QString jobCancelled; // %1 the queue
    QString queueStopped; // the queue stopped with the page in it; %1 the queue
    QString pdfFailed;    // %1 the file, %2 the reason
    QString accessDenied; // the reasons
    QString noSuchFolder;
    QString readOnly;
    QString diskFull;
    QString isAFolder;
};

// A text of a sheet, and the name of the control that shows it.
struct NamedText {
    QString name;
    QString text;
};

// What both sheets have: the window, its one print command and its help topic.
struct SheetTexts {
    QString windowName;
    QString caption;
    int helpTopic;
    QString printItem;
    QString printItemName;
    QString documentName; // of the printed page, and of its PDF file
    PrintTexts printing;
};

// The registers sheet of one twin: `frmReg_Cast` or `frmReg_Ang`.
struct RegistersTexts : SheetTexts {
    QString labelPrefix;           // + 1..4
    QList<NamedText> instructions; // the Spanish twin's instruction panel, shown only
};

// The symbology sheet of one twin: `frmSimb_Cast` or `frmSimb_Ang`.
struct SymbologyTexts : SheetTexts {
    QList<NamedText> examples;     // inside the large figures
    QList<NamedText> explanations; // the middle column
};

// The text of the control `name`; empty where there is none.
[[nodiscard]] QString textNamed(const QList<NamedText> &texts, QStringView name);

[[nodiscard]] const RegistersTexts &registersTexts(Lang lang);
[[nodiscard]] const SymbologyTexts &symbologyTexts(Lang lang);

} // namespace tessaron
