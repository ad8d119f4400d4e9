#include "core/models/favouritesmodel.h"

#include "core/cli/terminaltext.h"
#include "core/coding/modtessaron.h"
#include "core/coding/namecheck.h"
#include "core/desktop.h"
#include "core/favourites/favouriterow.h"
#include "core/models/storeopening.h"
#include "core/settings/filelocations.h"
#include "core/texts/storetexts.h"

#include <QPointer>

#include <optional>

namespace tessaron {

namespace {

std::size_t indexOf(Family family)
{
    return static_cast<std::size_t>(family);
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

QString FavouritesModel::label(Family family) const
{
    // A row written elsewhere may hold any characters: shown escaped, as the
    // message about it and the command line show it, so that no control or
    // direction character acts on the screen.
    return printable(m_labels[indexOf(family)]);
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
    openStoreWhenUp(this, m_store, m_cursor, m_lang, m_context.desktop);
}

void FavouritesModel::onStore(const std::function<bool()> &step)
{
    try {
        m_store.ensureOpen(m_cursor);
        if (!step())
            setMode(Mode::NoEntries);
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
        if (!m_cursor.moveFirst())
            return false;
        // Each list reads its first page; the rest as it is scrolled.
        for (FamilyListModel *list : m_lists)
            list->reload(m_cursor);
        setMode(Mode::Figure);
        return true;
    });
}

void FavouritesModel::enterNameMode()
{
    onStore([this] {
        if (!m_cursor.moveFirst())
            return false;
        setMode(Mode::Name);
        clearLabels();
        Q_EMIT searchCleared();
        Q_EMIT labelsChanged();
        return true;
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
    const QString &name = m_labels[indexOf(family)]; // as stored, not as shown
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
        if (!m_cursor.moveFirst())
            return false;
        // The whole name only, letter for letter, once in lower case.
        for (const StoredRow &row : m_cursor.rowsNamed(asciiLowerText(text)))
            setLabel(row);
        m_cursor.findFirst(text);
        Q_EMIT labelsChanged();
        if (displayEmpty()) {
            m_context.desktop.message(parent(), m_texts.noMatch);
            m_cursor.moveFirst();
        }
        return true;
    });
    Q_EMIT labelsChanged();
}

void FavouritesModel::fill(bool forward)
{
    const auto step = [&] { return forward ? m_cursor.moveNext() : m_cursor.movePrevious(); };
    std::optional<StoredRow> row = m_cursor.current();
    if (!row)
        return;
    const QString name = row->nom;
    while (row && sameName(row->nom, name)) {
        setLabel(*row);
        row = step();
    }
    // Back onto the last (first) row of the name.
    forward ? m_cursor.movePrevious() : m_cursor.moveNext();
}

void FavouritesModel::fillForward()
{
    fill(true);
}

void FavouritesModel::fillBackward()
{
    fill(false);
}

void FavouritesModel::step(Step direction)
{
    const bool forward = direction == Step::Next;
    onStore([this, forward] {
        // The step starts from the current name's last row going forward, its first
        // going back, and stops at the end it goes towards. With nothing shown, a
        // step from the first name wraps to the first name forward, the last back.
        const std::optional<StoredRow> current = m_cursor.current();
        const std::optional<StoredRow> first = m_cursor.moveFirst();
        const std::optional<StoredRow> last =
            forward ? m_cursor.moveLast() : std::optional<StoredRow>(first);
        if (!current || !first || !last)
            return false;
        if (forward)
            m_cursor.findLast(current->nom);
        else
            m_cursor.findFirst(current->nom);
        const QString here = m_cursor.currentName();
        const auto fill = [this, forward] {
            clearLabels();
            if (forward)
                fillForward();
            else
                fillBackward();
        };
        if (sameName(here, first->nom) && displayEmpty()) {
            if (forward)
                m_cursor.moveFirst();
            else
                m_cursor.moveLast();
            fill();
        } else if (!sameName(here, (forward ? last : first)->nom) &&
                   (forward ? m_cursor.moveNext() : m_cursor.movePrevious())) {
            fill();
        }
        Q_EMIT labelsChanged();
        return true;
    });
}

void FavouritesModel::deleteShown(Family family)
{
    const QString name = m_labels[indexOf(family)]; // as stored, not as shown
    if (name == kNoNameCaption)
        return;
    bool found = false;
    onStore([&] {
        if (!m_cursor.moveFirst())
            return false;
        found = m_cursor.findExact(name, familyLetter(family));
        return true;
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
        if (yes && m_cursor.findExact(name, familyLetter(family))) {
            m_cursor.deleteCurrent();
            m_labels[indexOf(family)] = QString(kNoNameCaption);
            m_labelDamaged[indexOf(family)] = false;
            Q_EMIT labelsChanged();
        }
        // No row left: no entries.
        return m_cursor.moveFirst().has_value();
    });
}

void FavouritesModel::help()
{
    m_context.desktop.help(parent(), helpFilePath(), HelpCommand::Topic, m_texts.helpTopic);
}

} // namespace tessaron
