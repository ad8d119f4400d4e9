#pragma once

#include "core/coding/namecheck.h"
#include "core/texts/checktexts.h"
#include "core/texts/lang.h"

#include <QObject>
#include <QString>

namespace tessaron {

class Desktop;

// A name box's rules: every change of the box's text runs the name check, which
// shows each message while the box holds the text of that moment and leaves the
// checked text in the box. Messages are modal to the entry's parent window.
class NameEntry : public QObject {
    Q_OBJECT
public:
    NameEntry(Lang lang, CheckWindow window, Desktop &desktop, QObject *parentWindow);

    // The box's text has changed, by the user or the program: runs the check.
    void check(const QString &boxText);

    // The checked name in lower case; empty while there is none.
    [[nodiscard]] const QString &name() const { return m_name; }
    // What the name labels show: the name, or "?".
    [[nodiscard]] QString caption() const { return nameCaption(m_name); }

Q_SIGNALS:
    // The box must hold `text` now; putting it there is not a change of the box.
    void boxTextChanged(const QString &text);
    // The box's text of the moment in lower case: at each correction, while its
    // message is shown, and once more when the check has finished.
    void textOfTheMoment(const QString &lowerCaseText);
    // The check has finished: the labels show `caption`.
    void captionChanged(const QString &caption);

private:
    Lang m_lang;
    CheckWindow m_window;
    Desktop &m_desktop;
    QString m_name;
};

} // namespace tessaron
