#include "gui/app/qttranslations.h"

#include "gui/app/windowlanguage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QWidget>
#include <QWindow>

namespace tessaron {

QtTranslations::QtTranslations(QObject *parent) : QObject(parent)
{
    m_spanishLoaded = m_spanish.load(QStringLiteral("qtbase_es"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QtTranslations::~QtTranslations()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_spanish);
}

void QtTranslations::use(Lang lang)
{
    m_current = lang;
    const bool wanted = lang == Lang::Spanish && m_spanishLoaded;
    if (wanted == m_installed)
        return;
    if (wanted)
        QCoreApplication::installTranslator(&m_spanish);
    else
        QCoreApplication::removeTranslator(&m_spanish);
    m_installed = wanted;
}

void QtTranslations::followFocus()
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    connect(app, &QApplication::focusWindowChanged, this, [this](QWindow *window) {
        if (!window)
            return;
        // A widget's window is told apart by the widget's name (or its parent's).
        const QObject *owner = window;
        const auto widgets = QApplication::topLevelWidgets();
        for (QWidget *widget : widgets) {
            if (widget->windowHandle() == window) {
                owner = widget;
                break;
            }
        }
        if (const std::optional<Lang> lang = windowLanguage(owner))
            use(*lang);
    });
}

} // namespace tessaron
