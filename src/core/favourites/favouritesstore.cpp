#include "core/favourites/favouritesstore.h"

#include "core/texts/storetexts.h"

namespace tessaron {

const StoreLocation &FavouritesStore::locateOrMakeFromTemplate()
{
    m_location = findOrMakeStoreFromTemplate(m_programDir);
    return m_location;
}

void FavouritesStore::open(FavouritesCursor &cursor, FavouritesCursor::Wait wait)
{
    try {
        cursor.open(locateOrMakeFromTemplate().path, wait);
    } catch (const StoreError &error) {
        throw explained(error);
    }
}

StoreError FavouritesStore::explained(const StoreError &error) const
{
    // "Does not exist" would hide why: the store could not be made.
    if (error.cause() == StoreError::Cause::Missing && !m_location.makeProblem.isEmpty())
        return StoreError(StoreError::Kind::CannotOpen, StoreError::Cause::NotMade, error.path(),
                          m_location.makeProblem);
    return error;
}

void FavouritesStore::ensureOpen(FavouritesCursor &cursor)
{
    if (!cursor.isOpen() || cursor.replacedOnDisk())
        open(cursor);
}

QString FavouritesStore::openForWindow(FavouritesCursor &cursor, Lang lang)
{
    try {
        open(cursor, FavouritesCursor::Wait::No);
    } catch (const StoreError &error) {
        if (error.cause() != StoreError::Cause::Locked)
            return problemText(lang, error);
    }
    return {};
}

QString FavouritesStore::problemText(Lang lang, const StoreError &error) const
{
    const StoreTexts &texts = storeTexts(lang);
    QString text = texts.openFailed + u'\n' + storeProblemText(lang, error);
    if (!m_location.missingTemplate.isEmpty())
        text += u'\n' + texts.templateMissing.arg(m_location.missingTemplate);
    return text;
}

QString FavouritesStore::commandLineProblem(const StoreError &error) const
{
    QString text = storeProblemText(Lang::English, error);
    if (!m_location.missingTemplate.isEmpty())
        text += QStringLiteral("; ") +
                storeTexts(Lang::English).templateMissingInLine.arg(m_location.missingTemplate);
    return text;
}

} // namespace tessaron
