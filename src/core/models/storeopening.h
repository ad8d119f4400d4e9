#pragma once

#include "core/texts/lang.h"

class QObject;

namespace tessaron {

class Desktop;
class FavouritesCursor;
class FavouritesStore;

// A window's model opening its cursor on the store: once the event loop runs, so
// that the window is up and never waits for the store, and saying what keeps the
// store from being used in a box modal to the model's window (its parent).
// Nothing happens once `model`, which holds the store and the cursor, is gone.
void openStoreWhenUp(QObject *model, FavouritesStore &store, FavouritesCursor &cursor, Lang lang,
                     Desktop &desktop);

} // namespace tessaron
