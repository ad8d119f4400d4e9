#include "core/models/mainmodel.h"

#include "core/coding/modtessaron.h"
#include "core/desktop.h"
#include "core/favourites/savefavourite.h"
#include "core/launch.h"
#include "core/models/storeopening.h"
#include "core/settings/filelocations.h"
#include "core/texts/storetexts.h"

namespace tessaron {

MainModel::MainModel(Lang lang, const AppContext &context, QObject *window)
    : QObject(window), m_lang(lang), m_texts(mainWindowTexts(lang)), m_context(context),
      m_nameEntry(new NameEntry(lang, CheckWindow::Main, context.desktop, window)),
      m_store(context.programDir)
{
    connect(m_nameEntry, &NameEntry::textOfTheMoment, this,
            [this](const QString &text) { m_context.state.NomActual = text; });
}

const QString &MainModel::startName() const
{
    return m_context.state.NomActual;
}

QString MainModel::helpFilePath() const
{
    return locateHelpFile(m_context.programDir, m_texts.helpFile);
}

void MainModel::load()
{
    openStoreWhenUp(this, m_store, m_cursor, m_lang, m_context.desktop);
}

void MainModel::launch(const QString &address)
{
    launchAddress(Launch::Browser, m_context.state, m_context.desktop, address);
}

void MainModel::openFigureAddress(Family family)
{
    const QString &name = m_nameEntry->name();
    if (!name.isEmpty())
        launch(m_context.state.formFigureAddress(family, name));
}

void MainModel::openPlainAddress()
{
    const QString &name = m_nameEntry->name();
    if (!name.isEmpty())
        launch(m_context.state.formPlainAddress(name));
}

void MainModel::save(Family family)
{
    const QString &name = m_nameEntry->name();
    if (name.isEmpty()) {
        m_context.desktop.message(parent(), m_texts.noAddress);
        return;
    }
    const QString address = m_context.state.formFigureAddress(family, name);
    // A save may wait for another program that holds the store.
    Q_EMIT storeBusy(true);
    const SaveOutcome outcome = saveFavourite(m_cursor, m_store.locateOrMakeFromTemplate().path,
                                              address, name, familyLetter(family));
    Q_EMIT storeBusy(false);
    switch (outcome.result) {
    case SaveOutcome::Result::Saved:
        m_context.desktop.message(parent(), m_texts.saved);
        break;
    case SaveOutcome::Result::AlreadySaved:
        m_context.desktop.message(parent(), m_texts.alreadySaved);
        break;
    case SaveOutcome::Result::Failed:
        m_context.desktop.message(parent(), m_texts.saveFailed + u'\n' +
                                                storeProblemText(m_lang, *outcome.error));
        break;
    }
}

void MainModel::run(MainCommand command)
{
    switch (command) {
    case MainCommand::None:
        break;
    case MainCommand::Symbology:
        navigate(WindowKind::Symbology, m_lang);
        break;
    case MainCommand::Registers:
        m_context.state.formRegisters(caption());
        navigate(WindowKind::Registers, m_lang);
        break;
    case MainCommand::Favourites:
        navigate(WindowKind::Favourites, m_lang);
        break;
    case MainCommand::Compact:
        navigate(WindowKind::Compact, m_lang);
        break;
    case MainCommand::Exit:
        m_context.navigator.exitNow();
        break;
    case MainCommand::OtherLanguage:
        navigate(WindowKind::Main, otherLang(m_lang));
        break;
    case MainCommand::HelpContents:
        m_context.desktop.help(parent(), helpFilePath(), HelpCommand::Contents, 0);
        break;
    case MainCommand::HelpIndex:
        m_context.desktop.help(parent(), helpFilePath(), HelpCommand::Index, 0);
        break;
    case MainCommand::About:
        m_context.navigator.show(WindowKind::About, m_lang);
        break;
    }
}

void MainModel::helpOnMenuItem(int topic)
{
    if (topic != 0)
        m_context.desktop.help(parent(), helpFilePath(), HelpCommand::Topic, topic);
    else
        m_context.desktop.help(parent(), helpFilePath(), HelpCommand::Contents, 0);
}

void MainModel::navigate(WindowKind kind, Lang lang)
{
    if (!m_context.navigator.canShow(kind))
        return;
    m_context.navigator.show(kind, lang);
    Q_EMIT closeRequested();
}

} // namespace tessaron
