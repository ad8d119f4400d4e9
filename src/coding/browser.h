#pragma once

#include "figurecoding.h"

#include <QString>

namespace tessaron {

class Desktop;
struct ModTessaron;

// Finds the program that opens web pages: the first usable entry of $BROWSER
// (a colon-separated list), then xdg-open, sensible-browser, x-www-browser.
// The full path, or an empty text when none is found. Writes nothing.
[[nodiscard]] QString discoverBrowser();

// A click on the figure label of `family` whose caption is `caption`: codes it,
// keeps the code and address in the shared texts and starts the browser with
// the figure address. A "?" caption does nothing; so does an empty
// `NavegadorExe`, as there is nothing to start. False when nothing was started.
bool openFigureAddress(ModTessaron &state, Desktop &desktop, Family family,
                       const QString &caption);

// The same for the plain-name label and the plain address, kept in `AdrecaCom`.
bool openPlainAddress(ModTessaron &state, Desktop &desktop, const QString &caption);

} // namespace tessaron
