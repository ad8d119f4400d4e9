#pragma once

#include <QLabel>

namespace tessaron {

// A label that acts on a click, as the name labels, tags and mode links do. It
// takes the focus from the Tab key (never from the mouse, so a click leaves the
// focus where the user was typing), shows a dotted frame while it has it, and
// acts on Return, Enter and Space as on a click. To assistive technology it is a
// link, named by the text it shows and what tells it from the labels that show
// the same (its family, say), with a press action.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget *parent = nullptr);
    explicit ClickableLabel(const QString &text, QWidget *parent = nullptr);

    // Heard after the shown text: "abc, four sides". A name set with
    // setAccessibleName() is heard instead of both. A label that can show "?",
    // the caption of no name, is given the words for that: "no name, four
    // sides" is heard then, as a plain label, with nothing to press.
    void setSpokenContext(const QString &context, const QString &noName = {});
    [[nodiscard]] QString spokenName() const;
    // Shows "?" and has been told what that means: it holds no name, and a click
    // or a key does nothing.
    [[nodiscard]] bool holdsNoName() const;
    // A label that stands for the current one of a choice, as a mode link does:
    // heard as checked.
    void setCurrent(bool current);
    [[nodiscard]] bool isCurrent() const { return m_current; }
    [[nodiscard]] bool isChoice() const { return m_choice; }

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_context;
    QString m_noName;
    bool m_current = false;
    bool m_choice = false; // one of a choice, current or not
};

} // namespace tessaron
