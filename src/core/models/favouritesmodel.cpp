#include "core/models/favouritesmodel.h"

#include "core/coding/modtessaron.h"
#include "core/coding/namecheck.h"
#include "core/desktop.h"
#include "core/settings/filelocations.h"
#include "core/texts/mainwindowtexts.h"
#include "core/texts/storetexts.h"

#include <QDir>
#include <QPointer>
#include <QStringListModel>
#include <QTimer>

#include <optional>

namespace tessaron {

namespace {

std::size_t indexOf(Family family)
{
    return static_cast<std::size_t>(family);
}

// The family of a row's letter; nothing for a letter other than r, c, t, p.
std::optional<Family> familyOfLetter(const QString &letter)
{
    for (Family family : kFamilies) {
        if (familyLetter(family) == letter)
            return family;
    }
    return std::nullopt;
}

} // namespace

FavouritesModel::FavouritesModel(Lang lang, const AppContext &context, QObject *window)
    : QObject(window), m_lang(lang), m_texts(favouritesTexts(lang)), m_context(context)
{
    m_labels.fill(QString(kNoNameCaption));
    for (QStringListModel *&list : m_lists)
        list = new QStringListModel(this);
}

const QString &FavouritesModel::label(Family family) const
{
    return m_labels[indexOf(family)];
}

QStringListModel *FavouritesModel::list(Family family) const
{
    return m_lists[indexOf(family)];
}

QString FavouritesModel::helpFilePath() const
{
    return locateHelpFile(m_context.programDir, m_texts.helpFile);
}

QString FavouritesModel::storePath() const
{
    return locateStore(m_context.programDir).path;
}

void FavouritesModel::load()
{
    QDir::setCurrent(m_context.programDir);
    // The store is opened once the window is up, so the window never waits for it.
    QTimer::singleShot(0, this, &FavouritesModel::checkStore);
}

void FavouritesModel::checkStore()
{
    try {
        m_data1.open(storePath(), FavouritesCursor::Wait::No);
    } catch (const StoreError &error) {
        // Another program holding the store is no fault of it; every step waits for it.
        if (error.cause() != StoreError::Cause::Locked)
            m_context.desktop.message(parent(), mainWindowTexts(m_lang).storeOpenFailed + u'\n' +
                                                    storeProblemText(m_lang, error));
    }
}

void FavouritesModel::ensureStore()
{
    if (!m_data1.isOpen() || m_data1.replacedOnDisk())
        m_data1.open(storePath());
}

void FavouritesModel::onStore(const std::function<void()> &step)
{
    try {
        ensureStore();
        step();
    } catch (const StoreError &) {
        setMode(Mode::NoEntries);
    }
}

void FavouritesModel::setMode(Mode mode)
{
    m_mode = mode;
    Q_EMIT modeChanged(mode);
}

void FavouritesModel::clearLabels()
{
    m_labels.fill(QString(kNoNameCaption));
}

bool FavouritesModel::displayEmpty() const
{
    return std::all_of(m_labels.cbegin(), m_labels.cend(),
                       [](const QString &label) { return label == kNoNameCaption; });
}

void FavouritesModel::enterFigureMode()
{
    onStore([this] {
        std::array<QStringList, 4> names;
        for (QStringListModel *list : m_lists)
            list->setStringList({});
        m_data1.moveFirst(); // fails on an empty store
        m_data1.forEachRow([&names](const QString &name, const QString &letter, const QString &) {
            if (const std::optional<Family> family = familyOfLetter(letter))
                names[indexOf(*family)] << name;
        });
        m_data1.moveFirst();
        for (Family family : kFamilies)
            m_lists[indexOf(family)]->setStringList(names[indexOf(family)]);
        setMode(Mode::Figure);
    });
}

void FavouritesModel::enterNameMode()
{
    onStore([this] {
        m_data1.moveFirst();
        setMode(Mode::Name);
        clearLabels();
        Q_EMIT searchCleared();
        Q_EMIT labelsChanged();
    });
}

void FavouritesModel::open(Family family, const QString &name, Launch how)
{
    launchAddress(how, m_context.state, m_context.desktop,
                  m_context.state.formFigureAddress(family, name));
}

void FavouritesModel::openPicked(Family family, const QString &picked)
{
    if (picked.isEmpty()) {
        m_context.desktop.message(parent(), m_texts.nothingPicked[indexOf(family)]);
        return;
    }
    open(family, picked, m_texts.openButtonLaunch);
}

void FavouritesModel::openShown(Family family)
{
    const QString name = label(family);
    if (name != kNoNameCaption)
        open(family, name, m_texts.nameLabelLaunch);
}

void FavouritesModel::search(const QString &text)
{
    if (text.isEmpty()) {
        m_context.desktop.message(parent(), m_texts.emptySearch);
        return;
    }
    clearLabels();
    onStore([this, &text] {
        // The whole name only, letter for letter, once in lower case.
        const QString wanted = asciiLowerText(text);
        m_data1.moveFirst(); // fails on an empty store
        for (const QString &letter : m_data1.familiesOf(wanted)) {
            if (const std::optional<Family> family = familyOfLetter(letter))
                m_labels[indexOf(*family)] = wanted;
        }
        m_data1.findFirst(text);
        Q_EMIT labelsChanged();
        if (displayEmpty()) {
            m_context.desktop.message(parent(), m_texts.noMatch);
            m_data1.moveFirst();
        }
    });
    Q_EMIT labelsChanged();
}

void FavouritesModel::fill(bool forward)
{
    const QString name = m_data1.currentName();
    const auto beyond = [&] { return forward ? m_data1.atEnd() : m_data1.atBegin(); };
    while (!beyond() && m_data1.currentName() == name) {
        if (const std::optional<Family> family = familyOfLetter(m_data1.currentFamily()))
            m_labels[indexOf(*family)] = name;
        forward ? m_data1.moveNext() : m_data1.movePrevious();
    }
    // Back onto the last (first) row of the name.
    forward ? m_data1.movePrevious() : m_data1.moveNext();
}

void FavouritesModel::fillForward()
{
    fill(true);
}

void FavouritesModel::fillBackward()
{
    fill(false);
}

void FavouritesModel::nextName()
{
    onStore([this] {
        const QString current = m_data1.currentName();
        m_data1.moveFirst();
        const QString first = m_data1.currentName();
        m_data1.moveLast();
        const QString last = m_data1.currentName();
        m_data1.findLast(current);
        if (m_data1.currentName() == first && displayEmpty()) {
            m_data1.moveFirst();
            clearLabels();
            fillForward();
        } else if (m_data1.currentName() != last && !m_data1.atEnd()) {
            m_data1.moveNext();
            clearLabels();
            fillForward();
        }
        Q_EMIT labelsChanged();
    });
}

void FavouritesModel::previousName()
{
    onStore([this] {
        const QString current = m_data1.currentName();
        m_data1.moveFirst();
        const QString first = m_data1.currentName();
        m_data1.findFirst(current);
        if (m_data1.currentName() == first && displayEmpty()) {
            m_data1.moveLast();
            clearLabels();
            fillBackward();
        } else if (m_data1.currentName() != first && !m_data1.atBegin()) {
            m_data1.movePrevious();
            clearLabels();
            fillBackward();
        }
        Q_EMIT labelsChanged();
    });
}

void FavouritesModel::deleteShown(Family family)
{
    const QString name = label(family);
    if (name == kNoNameCaption)
        return;
    bool found = false;
    onStore([&] {
        m_data1.moveFirst(); // fails on an empty store
        found = m_data1.findExact(name, familyLetter(family));
    });
    if (m_mode == Mode::NoEntries)
        return;
    // The question runs an event loop; the cursor stays on the row meanwhile.
    const QPointer<FavouritesModel> alive(this);
    const bool yes = found && m_context.desktop.question(parent(), m_texts.deleteQuestion);
    if (!alive)
        return;
    onStore([&] {
        // Found again: the store may have been replaced while the question was up,
        // and only the row asked about may go.
        if (yes && m_data1.findExact(name, familyLetter(family))) {
            m_data1.deleteCurrent();
            m_labels[indexOf(family)] = QString(kNoNameCaption);
            Q_EMIT labelsChanged();
        }
        m_data1.moveFirst(); // fails once the last row is gone
    });
}

void FavouritesModel::help()
{
    m_context.desktop.help(parent(), helpFilePath(), HelpCommand::Topic, m_texts.helpTopic);
}

} // namespace tessaron
