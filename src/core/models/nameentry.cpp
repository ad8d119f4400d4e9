#include "core/models/nameentry.h"

#include "core/coding/namecheck.h"
#include "core/desktop.h"

#include <QPointer>

namespace tessaron {

NameEntry::NameEntry(Lang lang, CheckWindow window, Desktop &desktop, QObject *parentWindow)
    : QObject(parentWindow), m_lang(lang), m_window(window), m_desktop(desktop)
{
}

void NameEntry::check(const QString &boxText)
{
    const NameCheckResult result = checkName(boxText);
    // A message box runs an event loop: a timer may close the window meanwhile.
    const QPointer<NameEntry> alive(this);
    for (qsizetype i = 0; i < result.messages().size(); ++i) {
        const QString moment = result.boxTextAt(i);
        Q_EMIT boxTextChanged(moment);
        // Each correction is a new check that first publishes the text of its moment.
        Q_EMIT textOfTheMoment(asciiLowerText(moment));
        m_desktop.message(parent(), checkMessageText(m_lang, result.messages().at(i), m_window));
        if (!alive)
            return;
    }
    Q_EMIT boxTextChanged(result.finalText());
    m_name = result.name();
    Q_EMIT textOfTheMoment(m_name);
    Q_EMIT captionChanged(caption());
}

} // namespace tessaron
