#pragma once

#include "gui/widgets/figurecanvas.h"
#include "gui/widgets/layoutrow.h"

#include <QFont>
#include <QLabel>
#include <QSize>

#include <utility>

namespace tessaron {

// Makes and places a window's controls from its layout's rows, converting
// twips to pixels and applying the looks a row gives. Every window is built
// through it, so no window reads a row its own way.
class LayoutBuilder {
public:
    explicit LayoutBuilder(QWidget *parent) : m_parent(parent) {}

    // A `Control` made from `args` and the builder's parent, then named, placed
    // and given the row's looks.
    template <class Control, class... Args> Control *add(const LayoutRow &row, Args &&...args)
    {
        auto *control = new Control(std::forward<Args>(args)..., m_parent);
        apply(control, row);
        return control;
    }
    // A label showing `text` as plain text, never as markup; the row's caption
    // when `text` is not given.
    QLabel *label(const LayoutRow &row, const QString &text = {});
    // A family's outline on `canvas`.
    static void addOutline(FigureCanvas *canvas, const OutlineRow &row);
    // A plain frame on `canvas`, its border `width` pixels wide inside the row's place.
    static void addFrame(FigureCanvas *canvas, const LayoutRow &row, int width);

    // Names, places and dresses a control, font included.
    static void apply(QWidget *control, const LayoutRow &row);
    // The same without the font, for a control that sizes its own text.
    static void place(QWidget *control, const LayoutRow &row);

    [[nodiscard]] static QRect pixels(const LayoutRow &row);
    [[nodiscard]] static QSize pixels(QSize twips);
    [[nodiscard]] static FamilyOutline outline(const OutlineRow &row);
    // The row's font, or `otherwise` when it names none.
    [[nodiscard]] static QFont font(const Look &look, const QFont &otherwise);

private:
    QWidget *m_parent;
};

} // namespace tessaron
