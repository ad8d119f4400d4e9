#pragma once

#include "gui/main/mainwindow.h"
#include "support/apphelper.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <utility>
#include <vector>

// Saves "abc" in four sides and three sides, and "xyz" in circle or ellipse,
// through the main window's save buttons, as a user does; the messages that
// saving says are cleared.
inline void saveSomeNames(TestApp &app, tessaron::Lang lang)
{
    using namespace tessaron;
    auto *main = app.open<MainWindow>(WindowKind::Main, lang);
    auto *box = main->findChild<QLineEdit *>(lang == Lang::Spanish ? "txtAdreca" : "txtaAdreca");
    for (const auto &[name, buttons] :
         {std::pair{"abc", std::vector{4, 6}}, std::pair{"xyz", std::vector{5}}}) {
        box->clear();
        QTest::keyClicks(box, name);
        for (int button : buttons)
            main->findChild<QPushButton *>(QStringLiteral("Command%1").arg(button))->click();
    }
    app.desktop.messages.clear();
}
