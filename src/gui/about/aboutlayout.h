#pragma once

#include "core/texts/lang.h"
#include "gui/widgets/fonts.h"

#include <QRect>
#include <QString>

#include <array>

namespace tessaron {

// Where the About window's controls stand, in twips, and how they look. The
// twins differ in the window's width and the legal notice's height.
struct AboutLayout {
    struct Text {
        QString name;
        QRect twips;
    };

    QRect client;
    int frameWidth;
    std::array<QRect, 2> frames;
    QRect picture;
    FontSpec textFont;
    Text description;
    Text legalNotice;
    QRect button;
};

[[nodiscard]] const AboutLayout &aboutLayout(Lang lang);

} // namespace tessaron
