#pragma once

#include "core/coding/modtessaron.h"
#include "core/favourites/favouritescursor.h"
#include "gui/app/application.h"
#include "gui/app/windowregistry.h"
#include "support/datafolders.h"
#include "support/fakedesktop.h"

#include <QApplication>
#include <QTemporaryDir>

// A whole program around the fake desktop, with its own program directory.
struct TestApp {
    PrivateDataFolders dataFolders;
    QTemporaryDir programDir;
    // The program directory holds an empty store, as an installation does.
    bool storeMade = tessaron::createEmptyStore(storePath());
    FakeDesktop desktop;
    tessaron::Application app{desktop, programDir.path()};
    int quits = 0;

    TestApp()
    {
        QObject::connect(&app.registry(), &tessaron::WindowRegistry::quitRequested,
                         [this] { ++quits; });
        app.state().NavegadorExe = QStringLiteral("/usr/bin/test-browser");
    }

    [[nodiscard]] QString storePath() const { return programDir.filePath("TESSARON.MDB"); }

    template <typename Window> Window *open(tessaron::WindowKind kind, tessaron::Lang lang)
    {
        app.registry().show(kind, lang);
        return qobject_cast<Window *>(app.registry().window(kind, lang));
    }

    // Lets closed windows be deleted.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};
