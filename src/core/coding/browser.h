#pragma once

#include <QString>

namespace tessaron {

// Finds the program that opens web pages: the first usable entry of $BROWSER
// (a colon-separated list), then xdg-open, sensible-browser, x-www-browser.
// The full path, or an empty text when none is found. Writes nothing.
[[nodiscard]] QString discoverBrowser();

} // namespace tessaron
