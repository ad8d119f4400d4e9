#pragma once

#include "core/texts/sheettexts.h"

#include <QWidget>

class QPainter;

namespace tessaron {

// Draws the symbology sheet's client area in logical pixels (15 twips each):
// the background, the four large figures with their example names, the middle
// column's explanations, and the four white picture boxes of example figures.
// The window shows it and the print command prints it, so the page is the window.
void drawSymbology(QPainter &painter, const SymbologyTexts &texts, const QColor &background);

// The sheet's client area on screen.
class SymbologyPicture : public QWidget {
    Q_OBJECT
public:
    SymbologyPicture(const SymbologyTexts &texts, QWidget *parent);

    // The background the window shows: light grey, or the button face.
    [[nodiscard]] QColor background() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const SymbologyTexts &m_texts;
};

} // namespace tessaron
