#include "core/models/favouritesmodel.h"

#include "core/cli/terminaltext.h"
#include "core/coding/modtessaron.h"
#include "core/coding/namecheck.h"
#include "core/desktop.h"
#include "core/favourites/favouriterow.h"
#include "core/settings/filelocations.h"
#include "core/texts/storetexts.h"

#include <QDir>
#include <QPointer>
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

// Whether two stored names are one name in store order, which ignores the letter
// case of A-Z. Only rows another tool wrote can differ so.
bool sameName(const QString &a, const QString &b)
{
    return a.size() == b.size() && asciiLowerText(a) == asciiLowerText(b);
}

} // namespace

FavouritesModel::FavouritesModel(Lang lang, const AppContext &context, QObject *window)
    : QObject(window), m_lang(lang), m_texts(favouritesTexts(lang)), m_context(context),
      m_store(context.programDir)
{
    m_labels.fill(QString(kNoNameCaption));
    for (Family family : kFamilies) {
        auto *list = new FamilyListModel(family, this);
        // A page that cannot be read is a store failure like any other.
        connect(list, &FamilyListModel::storeFailed, this, [this] { setMode(Mode::NoEntries); });
        m_lists[indexOf(family)] = list;
    }
}

const QString &FavouritesModel::label(Family family) const
{
    return m_labels[indexOf(family)];
}

FamilyListModel *FavouritesModel::list(Family family) const
{
    return m_lists[indexOf(family)];
}

bool FavouritesModel::labelDamaged(Family family) const
{
    return m_labelDamaged[indexOf(family)];
}

QString FavouritesModel::helpFilePath() const
{
    return locateHelpFile(m_context.programDir, m_texts.helpFile);
}

void FavouritesModel::load()
{
    QDir::setCurrent(m_context.programDir);
    // The store is opened once the window is up, so the window never waits for it.
    QTimer::singleShot(0, this, &FavouritesModel::checkStore);
}

void FavouritesModel::checkStore()
{
    // Another program holding the store is no fault of it; every step waits for it.
    const QString problem = m_store.openForWindow(m_data1, m_lang);
    if (!problem.isEmpty())
        m_context.desktop.message(parent(), problem);
}

void FavouritesModel::onStore(const std::function<void()> &step)
{
    try {
        m_store.ensureOpen(m_data1);
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
    m_labelDamaged.fill(false);
}

void FavouritesModel::setLabel(const StoredRow &row)
{
    const std::optional<Family> family = familyOfLetter(row.figura);
    if (!family)
        return;
    const std::size_t i = indexOf(*family);
    const bool damaged = !isWellFormedRow(row.nom, row.figura, row.adreca);
    // Where a row written here and one written elsewhere share a name and a family
    // (in letters of another case), the label shows the one written here.
    if (damaged && m_labels[i] != kNoNameCaption && !m_labelDamaged[i])
        return;
    m_labels[i] = row.nom;
    m_labelDamaged[i] = damaged;
}

bool FavouritesModel::displayEmpty() const
{
    return std::all_of(m_labels.cbegin(), m_labels.cend(),
                       [](const QString &label) { return label == kNoNameCaption; });
}

void FavouritesModel::enterFigureMode()
{
    onStore([this] {
        for (FamilyListModel *list : m_lists)
            list->clear();
        m_data1.moveFirst(); // fails on an empty store
        // Each list reads its first page; the rest as it is scrolled.
        for (FamilyListModel *list : m_lists)
            list->reload(m_data1);
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

void FavouritesModel::open(Family family, const QString &name, bool damaged, Launch how)
{
    if (damaged) {
        m_context.desktop.message(parent(), m_texts.damagedRow.arg(printable(name)));
        return;
    }
    launchAddress(how, m_context.state, m_context.desktop,
                  m_context.state.formFigureAddress(family, name));
}

void FavouritesModel::openPicked(Family family, int picked)
{
    const FamilyListModel *list = m_lists[indexOf(family)];
    if (picked < 0 || picked >= list->rowCount()) {
        m_context.desktop.message(parent(), m_texts.nothingPicked[indexOf(family)]);
        return;
    }
    open(family, list->name(picked), list->isDamaged(picked), m_texts.openButtonLaunch);
}

void FavouritesModel::openShown(Family family)
{
    const QString name = label(family);
    if (name != kNoNameCaption)
        open(family, name, labelDamaged(family), m_texts.nameLabelLaunch);
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
        for (const StoredRow &row : m_data1.rowsNamed(wanted))
            setLabel(row);
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
    while (!beyond() && sameName(m_data1.currentName(), name)) {
        setLabel(m_data1.currentRow());
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
        if (sameName(m_data1.currentName(), first) && displayEmpty()) {
            m_data1.moveFirst();
            clearLabels();
            fillForward();
        } else if (!sameName(m_data1.currentName(), last) && !m_data1.atEnd()) {
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
        if (sameName(m_data1.currentName(), first) && displayEmpty()) {
            m_data1.moveLast();
            clearLabels();
            fillBackward();
        } else if (!sameName(m_data1.currentName(), first) && !m_data1.atBegin()) {
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
            m_labelDamaged[indexOf(family)] = false;
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
