#pragma once

#include "core/texts/lang.h"

#include <QObject>
#include <QTranslator>

namespace tessaron {

// Qt's own words (the standard buttons of boxes, the file dialog and its
// questions, the context menus of text boxes) in a twin's language, from the
// translations Qt ships (Debian's qt6-translations-l10n). Qt looks its words up
// when it makes a box or a menu, so the twin that is about to open one says its
// language first; the windows that take the focus say theirs too, for the menus
// Qt makes on a right click. The desktop's own locale plays no part.
class QtTranslations : public QObject {
    Q_OBJECT
public:
    explicit QtTranslations(QObject *parent = nullptr);
    ~QtTranslations() override;

    // Installs the translator of `lang` (Spanish: qtbase_es) or none (English).
    void use(Lang lang);
    [[nodiscard]] Lang current() const { return m_current; }
    // False when Qt's Spanish translation is not installed on this machine.
    [[nodiscard]] bool spanishAvailable() const { return m_spanishLoaded; }

    // From now on, the window that takes the focus says its language.
    void followFocus();

private:
    QTranslator m_spanish;
    bool m_spanishLoaded = false;
    bool m_installed = false;
    Lang m_current = Lang::English;
};

} // namespace tessaron
