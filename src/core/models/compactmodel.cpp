#include "core/models/compactmodel.h"

#include "core/coding/modtessaron.h"
#include "core/coding/namecheck.h"
#include "core/desktop.h"
#include "core/launch.h"
#include "core/models/navigator.h"

namespace tessaron {

CompactModel::CompactModel(Lang lang, const AppContext &context, QObject *window)
    : QObject(window), m_lang(lang), m_texts(compactTexts(lang)), m_context(context),
      m_nameEntry(new NameEntry(lang, CheckWindow::Compact, context.desktop, window))
{
}

const QString &CompactModel::startName() const
{
    return m_context.state.NomActual;
}

void CompactModel::openFigureAddress(Family family, const QString &boxText)
{
    if (boxText.isEmpty())
        return;
    const QString &address =
        m_context.state.formFigureAddress(family, boxText, asciiLowerText(boxText));
    launchAddress(Launch::Browser, m_context.state, m_context.desktop, address);
}

void CompactModel::openPlainAddress(const QString &boxText)
{
    if (boxText.isEmpty())
        return;
    launchAddress(Launch::Browser, m_context.state, m_context.desktop,
                  m_context.state.formPlainAddress(boxText));
}

void CompactModel::keepInFront(bool inFront)
{
    m_context.desktop.keepInFront(parent(), inFront);
}

void CompactModel::goBack(const QString &boxText)
{
    m_context.state.NomActual = asciiLowerText(boxText);
    m_context.navigator.show(WindowKind::Main, m_lang);
    Q_EMIT closeRequested();
}

} // namespace tessaron
