#pragma once

#include "core/texts/lang.h"

#include <QString>

#include <optional>

class QObject;

namespace tessaron {

// A window that serves both languages (the help window) says the one it speaks
// now in this property, as an int of `Lang`.
inline constexpr char kLanguageProperty[] = "tessaronLanguage";

// The language of the twin that `object` belongs to (a window, one of its
// controls, or a box whose parent is one), told by the window's name; none for
// an object outside the program's windows.
[[nodiscard]] std::optional<Lang> windowLanguage(const QObject *object);

// The language whose help file `helpFile` is ("ayuda.hlp" or "help.hlp").
[[nodiscard]] std::optional<Lang> helpFileLanguage(const QString &helpFile);

} // namespace tessaron
