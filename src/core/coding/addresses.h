#pragma once

#include <QLatin1StringView>
#include <QString>

namespace tessaron {

// The maker's site word that stands after "www." in every figure address.
inline constexpr QLatin1StringView kSitePrefix("tessaron");

// "http://www.tessaron-NAME-CODE.com"
[[nodiscard]] QString figureAddress(const QString &name, const QString &code);
// "www.tessaron-NAME-CODE.com": a figure address without its scheme.
[[nodiscard]] QString registerAddress(const QString &name, const QString &code);
// "http://www.NAME.com"
[[nodiscard]] QString plainAddress(const QString &name);

} // namespace tessaron
