#pragma once

#include "core/texts/lang.h"

namespace tessaron {

enum class WindowKind { Main, About, Favourites, Registers, Symbology, Compact };

// How a window's rules open the other windows and end the program, without
// knowing the windows: the application's window registry answers.
class Navigator {
public:
    virtual ~Navigator() = default;

    // False for a kind of window the program does not have.
    [[nodiscard]] virtual bool canShow(WindowKind kind) const = 0;
    // Shows the twin, making it when it is not open; raises it when it is.
    virtual bool show(WindowKind kind, Lang lang) = 0;
    // Ends the program at once: every window goes, no question is asked.
    virtual void exitNow() = 0;
};

} // namespace tessaron
