#pragma once

#include <QPushButton>

namespace tessaron {

// A push button whose caption breaks into lines when it is wider than the button,
// as the compact window's "&Formulario grande" does in its narrow, tall button.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tessaron
