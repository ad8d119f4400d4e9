#pragma once

#include <QString>
#include <QWidget>

namespace tessaron {

// Tells screen readers a short text without moving the focus: what a key changed
// elsewhere in the window (the names a search shows, the name a step reaches, a
// pick on a closed list). Orca 43 speaks an object of the notification role when
// it comes into view, and that is what this is: an empty, unseen child of the
// window, shown anew with each text. (Qt 6.4 carries no announcement or alert to
// AT-SPI, and sends the object where Orca 43 wants the new text of a changed name
// or description, so Orca says nothing of those.)
//
// While its window is not active (a message box is up), the text waits until the
// window is active again, so that it follows what the reader says of the window
// and the focus it comes back to, instead of being cut short by it.
class Announcer : public QWidget {
    Q_OBJECT
public:
    // The window's announcer, made on first use.
    static Announcer *of(QWidget *widget);

    void announce(const QString &text);
    [[nodiscard]] QString text() const { return m_text; }
    // Waiting for its window to be active again.
    [[nodiscard]] bool pending() const { return m_pending; }

Q_SIGNALS:
    // The text is handed to screen readers now.
    void announced(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Announcer(QWidget *window);
    void showText();

    QString m_text;
    bool m_pending = false;
};

} // namespace tessaron
