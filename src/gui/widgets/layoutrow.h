#pragma once

#include "core/coding/figurecoding.h"
#include "gui/widgets/fonts.h"

#include <QColor>
#include <QPolygon>
#include <QRect>
#include <QString>

#include <optional>

namespace tessaron {

// How a control's text runs in its box.
enum class TextFlow {
    OneLine,     // one line
    Wrapped,     // wrapped between words, from the top
    OneLineKept, // one line at the designed size, showing what fits
};

// How a control looks. What a row leaves out is the control's own.
struct Look {
    std::optional<FontSpec> font;
    QColor text;                  // invalid: the window's own
    QColor background;            // invalid: none is painted
    Qt::Alignment alignment = {}; // none: the control's own
    TextFlow flow = TextFlow::OneLine;
};

// One control of a window's layout: every window's layout is written in rows of
// this one shape, and built by the one builder, so a row means the same thing
// in every window.
struct LayoutRow {
    QString name; // the control's object name; for a sheet's text, its words' too
    QRect twips;  // its place within its parent
    Look look = {};
    QString caption = {}; // a caption that is the same in both languages
};

// A family's outline, drawn beneath the controls. The rectangle and the ellipse
// fill `twips`; the triangle and the many-sided figure are the closed line
// through `points` (twips) where the window gives its own, else the family's
// figure fitted to `twips`.
struct OutlineRow {
    Family family;
    QRect twips;
    int width; // pixels
    QPolygon points = {};
};

} // namespace tessaron
