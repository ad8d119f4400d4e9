#pragma once

#include "core/coding/family.h"

#include <QString>
#include <QStringView>

#include <array>
#include <string_view>

namespace tessaron {

// Figure codes: the family letter and two characters derived from the name's
// length and character values. The name is expected in lower case; any other
// character counts 0.
[[nodiscard]] QString CodificaR(const QString &name);
[[nodiscard]] QString CodificaC(const QString &name);
[[nodiscard]] QString CodificaT(const QString &name);
[[nodiscard]] QString CodificaP(const QString &name);

[[nodiscard]] QString figureCode(Family family, const QString &name);

// The three characters of a figure code.
using CodeChars = std::array<char, 3>;

// The four codes of a name, in the order r, c, t, p, from one pass over it: of the
// name as text, and of the name as bytes without a string per code (the command
// line codes millions of names). Both are the one formula over two views.
[[nodiscard]] std::array<CodeChars, 4> figureCodes(QStringView name);
[[nodiscard]] std::array<CodeChars, 4> figureCodesOfAscii(std::string_view name);

} // namespace tessaron
