#pragma once

#include "core/coding/figurecoding.h"
#include "core/models/appcontext.h"
#include "core/models/nameentry.h"
#include "core/texts/compacttexts.h"
#include "core/texts/lang.h"

#include <QObject>

namespace tessaron {

// The compact window's rules, for one twin: the name check of its box (which
// leaves `NomActual` alone while the user types), the four figure tags and the
// plain tag, keeping the window in front, and the way back to the main window.
class CompactModel : public QObject {
    Q_OBJECT
public:
    // `window` is the window the model serves: its messages are modal to it, and
    // it is the window kept in front.
    CompactModel(Lang lang, const AppContext &context, QObject *window);

    [[nodiscard]] const CompactTexts &texts() const { return m_texts; }
    [[nodiscard]] NameEntry &nameEntry() { return *m_nameEntry; }
    // The name the box is given when the window opens.
    [[nodiscard]] const QString &startName() const;

    // Tag n, with the box's text: the figure address of the text as typed with
    // the code of its small letters. An empty box does nothing.
    void openFigureAddress(Family family, const QString &boxText);
    // The plain tag: "http://www." + the text as typed + ".com".
    void openPlainAddress(const QString &boxText);
    void keepInFront(bool inFront);
    // The back button: the box's name becomes `NomActual`, and the main window comes back.
    void goBack(const QString &boxText);

Q_SIGNALS:
    void closeRequested();

private:
    Lang m_lang;
    const CompactTexts &m_texts;
    AppContext m_context;
    NameEntry *m_nameEntry;
};

} // namespace tessaron
