#pragma once

#include "gui/widgets/layoutrow.h"

#include <QFont>
#include <QLabel>
#include <QStringList>

class QPainter;

namespace tessaron {

// A text of a sheet in its designed box: a label that Tab and a screen reader's
// review reach, holding its text as written, and that the sheet's page draws
// exactly as the window shows it (same face, same size, same lines).
//
// The boxes were laid out for a narrower face than the one this desktop has. A
// text is therefore set in the largest size, at most the designed one, at which
// it fits its box whole: wrapped only between words (an arrow "-->" stays one
// piece) and neither cut at the right nor below. The boxes never move.
class SheetText : public QLabel {
    Q_OBJECT
public:
    // A wrapped text is fitted from the top left; a one-line text is fitted and
    // centred in height; a kept one (the registers) stays at the designed size.
    //
    // `box` in logical pixels of the parent; `designed` the face at its designed
    // size, given in pixels (1/96 inch).
    SheetText(const QString &text, const QRect &box, const QFont &designed, TextFlow flow,
              QWidget *parent);
    // The text in a layout's row: named, placed and coloured as the row says, in
    // the row's face, else the control face.
    SheetText(const QString &text, const LayoutRow &row, QWidget *parent);

    // The lines as drawn, and the face they are drawn in.
    [[nodiscard]] const QStringList &lines() const { return m_lines; }
    [[nodiscard]] const QFont &fittedFont() const { return m_font; }
    [[nodiscard]] TextFlow flow() const { return m_flow; }
    // Fits the text again, at most `pixels` high: texts that share a style share
    // the size that fits them all.
    void fitNoLargerThan(int pixels);

    // Draws the text as the window shows it, with the painter's origin at the
    // parent's top left (in logical pixels).
    void drawOn(QPainter &painter, const QColor &colour) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fit(const QFont &designed);

    TextFlow m_flow;
    QFont m_font;
    QStringList m_lines;
};

} // namespace tessaron
