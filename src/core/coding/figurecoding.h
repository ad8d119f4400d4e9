#pragma once

#include <QString>

#include <array>

namespace tessaron {

// The four figure families, in the order of their labels, buttons and lists.
enum class Family { R, C, T, P };

inline constexpr std::array<Family, 4> kFamilies{Family::R, Family::C, Family::T, Family::P};

// "r", "c", "t" or "p".
[[nodiscard]] QString familyLetter(Family family);

// Figure codes: the family letter and two characters derived from the name's
// length and character values. The name is expected in lower case; any other
// character counts 0.
[[nodiscard]] QString CodificaR(const QString &name);
[[nodiscard]] QString CodificaC(const QString &name);
[[nodiscard]] QString CodificaT(const QString &name);
[[nodiscard]] QString CodificaP(const QString &name);

[[nodiscard]] QString figureCode(Family family, const QString &name);

} // namespace tessaron
