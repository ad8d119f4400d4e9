#pragma once

#include "core/texts/compacttexts.h"
#include "core/texts/lang.h"
#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/fonts.h"

#include <QColor>
#include <QRect>
#include <QString>

#include <array>

namespace tessaron {

// Where the compact window's controls stand, in twips, and how they look; the
// names that differ between the twins come from their texts.
struct CompactLayout {
    struct Label {
        QString name;
        QString text;
        QRect twips;
        FontSpec font;
    };
    struct Tag {
        QString name;
        QRect twips;
    };

    QRect client;
    std::array<Label, 2> labels;
    QRect nameBox;
    FontSpec nameBoxFont;
    QRect back;
    QRect inFront;
    Tag plainTag;
    std::array<Tag, 4> tags;
    QColor tagBackground;
    std::array<FamilyOutline, 4> outlines;
};

[[nodiscard]] CompactLayout compactLayout(Lang lang, const CompactTexts &t);

} // namespace tessaron
