#pragma once

#include "core/coding/namecheck.h"
#include "core/texts/lang.h"

#include <QString>

namespace tessaron {

// Which window shows the name check's messages: the compact window words its
// English too-long message slightly differently.
enum class CheckWindow { Main, Compact };

// The exact text of one name-check message in a twin's language.
[[nodiscard]] QString checkMessageText(Lang lang, const NameCheckMessage &message,
                                       CheckWindow window = CheckWindow::Main);

} // namespace tessaron
