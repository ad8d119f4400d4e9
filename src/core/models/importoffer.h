#pragma once

#include "core/texts/lang.h"

#include <QObject>
#include <QString>

namespace tessaron {

class Desktop;

// A favourites file offered to a window (dropped on it): asked about in the
// window's language, imported exactly as `tessaron --import FILE` imports it, into
// the store the window uses, and its result told in a box of the same language.
// The window's own rows are not touched: the new ones show the next time a mode
// is entered, as after any change of the store.
class ImportOffer : public QObject {
    Q_OBJECT
public:
    // Belongs to `window`, to which its boxes are modal.
    ImportOffer(Lang lang, Desktop &desktop, QString programDir, QObject *window)
        : QObject(window), m_lang(lang), m_desktop(desktop), m_programDir(std::move(programDir))
    {
    }

    // Asks, imports when the answer is yes, and tells what happened.
    void offer(const QString &path);

private:
    Lang m_lang;
    Desktop &m_desktop;
    QString m_programDir;
};

} // namespace tessaron
