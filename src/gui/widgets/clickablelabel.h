#pragma once

#include <QLabel>

namespace tessaron {

// A label that reacts to a click, as the name labels and mode links do.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace tessaron
