#pragma once

#include "core/texts/lang.h"

#include <QList>
#include <QRect>
#include <QString>

#include <array>

namespace tessaron {

// What a sheet says about printing, in its twin's language.
struct PrintTexts {
    QString noPrinter; // a question: keep the page as a PDF file instead?
    QString printFailed;
    QString pdfFailed;
};

// A text of a sheet at its place (twips).
struct PlacedText {
    QString name;
    QString text;
    QRect twips;
};

// The registers sheet of one twin: `frmReg_Cast` or `frmReg_Ang`.
struct RegistersTexts {
    QString windowName;
    QString caption;
    int clientWidth; // twips
    int clientHeight;
    int helpTopic;
    QString printItem;
    QString printItemName;
    QString documentName;           // of the printed page, and of its PDF file
    QString labelPrefix;            // + 1..4
    std::array<QRect, 4> labels;    // twips
    int figuresTop;                 // the Spanish twin's figures stand 120 twips lower
    QList<PlacedText> instructions; // the Spanish twin's instruction panel, shown only
    PrintTexts printing;
};

// The symbology sheet of one twin: `frmSimb_Cast` or `frmSimb_Ang`.
struct SymbologyTexts {
    QString windowName;
    QString caption;
    int clientWidth; // twips
    int clientHeight;
    bool greyBackground; // the Spanish twin's; the English twin's is the button face
    int helpTopic;
    QString printItem;
    QString printItemName;
    QString documentName;
    QList<PlacedText> examples;     // inside the large figures
    QList<PlacedText> explanations; // the middle column, word-wrapped
    PrintTexts printing;
};

[[nodiscard]] const RegistersTexts &registersTexts(Lang lang);
[[nodiscard]] const SymbologyTexts &symbologyTexts(Lang lang);

} // namespace tessaron
