#pragma once

#include <QComboBox>

namespace tessaron {

// A drop-down list that keeps its own name for screen readers whatever is
// picked in it, and gives the picked entry as its value. (Qt's own list, on
// Linux, takes the picked entry as its name, and the name it was given is lost.)
// A pick made with a key while the list is closed is said, and the list, when it
// opens, says its current entry.
class NamedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit NamedComboBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tessaron
