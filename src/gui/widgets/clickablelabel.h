#pragma once

#include <QLabel>

namespace tessaron {

// A label that acts on a click, as the name labels, tags and mode links do. It
// takes the focus from the Tab key (never from the mouse, so a click leaves the
// focus where the user was typing), shows a dotted frame while it has it, and
// acts on Return, Enter and Space as on a click. To assistive technology it
// stays a label, named by the text it shows, with a press action.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent = nullptr);
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tessaron
