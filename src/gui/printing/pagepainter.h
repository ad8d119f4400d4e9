#pragma once

#include "core/desktop.h"

#include <QPainter>

namespace tessaron {

// A page's painter: a QPainter on a printer or a PDF file. Core's interface names
// it only by declaration, so the core never sees a painting class; the drawing
// code takes it as the QPainter it is.
class PagePainter : public QPainter {
public:
    using QPainter::QPainter;
};

} // namespace tessaron
