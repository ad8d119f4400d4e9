#include "core/models/storeopening.h"

#include "core/desktop.h"
#include "core/favourites/favouritesstore.h"

#include <QObject>
#include <QTimer>

namespace tessaron {

void openStoreWhenUp(QObject *model, FavouritesStore &store, FavouritesCursor &cursor, Lang lang,
                     Desktop &desktop)
{
    QTimer::singleShot(0, model, [model, &store, &cursor, lang, &desktop] {
        const QString problem = store.openForWindow(cursor, lang);
        if (!problem.isEmpty())
            desktop.message(model->parent(), problem);
    });
}

} // namespace tessaron
