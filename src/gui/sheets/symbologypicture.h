#pragma once

#include "core/texts/lang.h"

#include <QList>
#include <QWidget>

class QPainter;

namespace tessaron {

class SheetText;
struct SymbologyLayout;

// One of the white boxes of example figures, as assistive technology and the
// keyboard reach it: a picture named by its family and described by the figures
// it shows. The box itself is drawn by the sheet; this marks only the focus.
class ExamplePicture : public QWidget {
    Q_OBJECT
public:
    explicit ExamplePicture(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The symbology sheet's client area, in logical pixels (15 twips each): the
// background, the four large figures and the four white picture boxes of example
// figures are drawn; the example names and the middle column's explanations are
// texts of their own, which Tab and screen readers reach in reading order. The
// print command draws the same, so the page is the window.
class SymbologyPicture : public QWidget {
    Q_OBJECT
public:
    SymbologyPicture(Lang lang, QWidget *parent);

    // The background the window shows: light grey, or the button face.
    [[nodiscard]] QColor background() const;
    // The texts in reading order: row by row, left to right.
    [[nodiscard]] const QList<SheetText *> &texts() const { return m_textsInOrder; }
    // The boxes of example figures, by family.
    [[nodiscard]] const QList<ExamplePicture *> &pictures() const { return m_pictures; }
    // The client area as the window shows it, without focus marks.
    void drawPage(QPainter &painter) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const SymbologyLayout &m_layout;
    QList<SheetText *> m_textsInOrder;
    QList<ExamplePicture *> m_pictures;
};

} // namespace tessaron
