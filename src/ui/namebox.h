#pragma once

#include "checktexts.h"
#include "lang.h"

#include <QObject>
#include <QPointer>

class QLineEdit;

namespace tessaron {

class Desktop;
struct ModTessaron;

// Runs the name check on every change of a name box: shows each message while
// the box holds the text of that moment, leaves the checked text in the box,
// keeps `NomActual` and tells the window what its name labels show.
class NameBox : public QObject {
    Q_OBJECT
public:
    NameBox(QLineEdit *box, Lang lang, CheckWindow window, ModTessaron &state, Desktop &desktop);

    // Puts a text into the box as the program does, which runs the check.
    void setText(const QString &text);

Q_SIGNALS:
    void captionChanged(const QString &caption);

private:
    void check();
    void putText(const QString &text);

    QPointer<QLineEdit> m_box;
    Lang m_lang;
    CheckWindow m_window;
    ModTessaron &m_state;
    Desktop &m_desktop;
};

} // namespace tessaron
