#pragma once

#include "core/texts/lang.h"

#include <QList>
#include <QRect>
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

// A text of a sheet at its place (twips).
struct PlacedText {
    // How a text of a sheet's panel stands out: a heading, the plain text, or the
    // half of a sentence that the reader must act on.
    enum class Style { Plain, Heading, Emphasis };

    QString name;
    QString text;
    QRect twips;
    Style style = Style::Plain;
};

// What both sheets have: the window, its one print command and its help topic.
struct SheetTexts {
    QString windowName;
    QString caption;
    int clientWidth; // twips
    int clientHeight;
    int helpTopic;
    QString printItem;
    QString printItemName;
    QString documentName; // of the printed page, and of its PDF file
    PrintTexts printing;
};

// The registers sheet of one twin: `frmReg_Cast` or `frmReg_Ang`.
struct RegistersTexts : SheetTexts {
    QString labelPrefix;            // + 1..4
    QList<PlacedText> instructions; // the Spanish twin's instruction panel, shown only
};

// The symbology sheet of one twin: `frmSimb_Cast` or `frmSimb_Ang`.
struct SymbologyTexts : SheetTexts {
    bool greyBackground;            // the Spanish twin's; the English twin's is the button face
    QList<PlacedText> examples;     // inside the large figures
    QList<PlacedText> explanations; // the middle column, word-wrapped
};

[[nodiscard]] const RegistersTexts &registersTexts(Lang lang);
[[nodiscard]] const SymbologyTexts &symbologyTexts(Lang lang);

} // namespace tessaron
