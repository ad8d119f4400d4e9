#include "namebox.h"

#include "desktop.h"

#include "coding/modtessaron.h"
#include "coding/namecheck.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include <limits>

namespace tessaron {

NameBox::NameBox(QLineEdit *box, Lang lang, CheckWindow window, ModTessaron &state,
                 Desktop &desktop)
    : QObject(box), m_box(box), m_lang(lang), m_window(window), m_state(state), m_desktop(desktop)
{
    // The box has no length limit of its own: the check is what cuts a name.
    box->setMaxLength(std::numeric_limits<int>::max());
    connect(box, &QLineEdit::textChanged, this, &NameBox::check);
}

void NameBox::setText(const QString &text)
{
    if (m_box)
        m_box->setText(text);
}

void NameBox::putText(const QString &text)
{
    if (m_box && m_box->text() != text) {
        const QSignalBlocker blocker(m_box);
        m_box->setText(text);
    }
}

void NameBox::check()
{
    const NameCheckResult result = checkName(m_box->text());
    // A message box runs an event loop: a timer may close the window meanwhile.
    const QPointer<NameBox> alive(this);
    for (qsizetype i = 0; i < result.messages().size(); ++i) {
        const QString moment = result.boxTextAt(i);
        putText(moment);
        // Each correction is a new check that first publishes the text of its moment.
        m_state.NomActual = asciiLowerText(moment);
        m_desktop.message(m_box->window(),
                          checkMessageText(m_lang, result.messages().at(i), m_window));
        if (!alive || !m_box)
            return;
    }
    putText(result.finalText());
    m_state.NomActual = result.name();
    Q_EMIT captionChanged(result.labelCaption());
}

} // namespace tessaron
