#pragma once

#include "core/coding/figurecoding.h"
#include "core/texts/lang.h"

#include <QString>

#include <array>

namespace tessaron {

// What screen readers are told, beyond what the windows show: what a label that
// acts opens, and names of their own for controls that share a caption.
struct AccessibleTexts {
    std::array<QString, 4> families; // by family, in a sentence's letter case
    QString opensFigure;             // %1: a family
    QString opensPlain;
    QString showsByFigure; // the favourites window's mode links
    QString showsByName;
    QString opensHomePage;    // the About window's picture
    QString captionForFamily; // %1: a shared caption, %2: a family
    // A family as the whole name of a control that shows no caption: the compact
    // window's tags, the favourites window's lists.
    std::array<QString, 4> familyNames;
    QString plainTag;
    // Heard after the name a label shows, to tell it from the others: the plain
    // address's label; the figure labels take their family.
    QString plainContext;
    // The favourites window's mark beside the current mode.
    QString figureModeMark;
    QString nameModeMark;
    QString currentMode; // heard after the current mode's link
    // Heard for a name label that shows "?", before its family.
    QString noName;
    // The compact window's name, which tells it from the main window of the same
    // title: %1, the title.
    QString compactWindow;
    // A text heard with its family, as a register of the registers sheet:
    // %1, the text; %2, a family.
    QString withFamily;
    // What the symbology sheet's four boxes of example figures show, by family.
    std::array<QString, 4> exampleFigures;
    // What the favourites window's rows show after a search or a step: %1, a name;
    // %2, the families it is shown in, between listSeparator; names apart by
    // groupSeparator.
    QString shownIn;
    QString listSeparator;
    QString groupSeparator;

    [[nodiscard]] QString family(Family f) const { return families[static_cast<std::size_t>(f)]; }
    [[nodiscard]] QString figureDescription(Family f) const { return opensFigure.arg(family(f)); }
    [[nodiscard]] QString textWithFamily(const QString &text, Family f) const
    {
        return withFamily.arg(text, family(f));
    }
    // A caption that several controls share, with the family that tells them apart.
    [[nodiscard]] QString forFamily(const QString &caption, Family f) const
    {
        return captionForFamily.arg(caption, family(f));
    }
};

[[nodiscard]] const AccessibleTexts &accessibleTexts(Lang lang);

} // namespace tessaron
