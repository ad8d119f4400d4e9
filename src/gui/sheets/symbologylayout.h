#pragma once

#include "core/texts/lang.h"
#include "gui/sheets/sheettext.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace tessaron {

// Where the symbology sheet's texts stand, in twips, in reading order: row by
// row, the example inside the figure, then its explanation; the triangle's
// example is two lines, "www." above the name. The examples keep to one line,
// the explanations wrap.
struct SymbologyLayout {
    struct Text {
        QString name; // its text's
        QRect twips;
        SheetText::Layout layout;
    };

    QSize client;        // pixels
    bool greyBackground; // else the button face
    QList<Text> texts;
};

[[nodiscard]] const SymbologyLayout &symbologyLayout(Lang lang);

} // namespace tessaron
