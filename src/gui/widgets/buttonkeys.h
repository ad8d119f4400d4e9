#pragma once

namespace tessaron {

// Return and Enter press the push button that has the focus, as Space does, in
// every window and box of the program: the desktop the windows come from works
// so, and a user who presses Return on "Guardar" expects it to save. (Qt presses
// a focused button on Return only in a dialog, and only when it is a default
// button.) One filter on the application does it for every button there is and
// will be. Safe to call any number of times.
void installButtonKeys();

} // namespace tessaron
