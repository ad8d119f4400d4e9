#pragma once

#include "core/texts/lang.h"

#include <QString>

namespace tessaron {

struct AboutTexts {
    QString windowName;
    QString caption;
    QString description;
    QString legalNotice;
    QString button;
    QString animationName; // for screen readers
};

[[nodiscard]] const AboutTexts &aboutTexts(Lang lang);

// The maker's home page, opened by a click on the animation.
inline constexpr char kHomePage[] = "http://www.tessaron.com";

} // namespace tessaron
