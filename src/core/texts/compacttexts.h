#pragma once

#include "core/texts/lang.h"

#include <QString>

namespace tessaron {

// The texts, control names and twin differences of one compact-window twin.
struct CompactTexts {
    QString windowName; // frmPeti_Cast, frmPeti_Ang
    QString caption;
    QString prefixName; // the "WWW." label
    QString boxName;
    QString boxAccessibleName;
    QString backCaption;
    QString backTip;
    QString keepInFront;
    QString tagPrefix; // + 1..4
    QString plainTagName;
};

[[nodiscard]] const CompactTexts &compactTexts(Lang lang);

} // namespace tessaron
