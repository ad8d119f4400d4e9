// Shows a text box of every kind the program has, for a screen reader's
// questions from outside: the main and compact windows' name boxes, the
// favourites window's search box, the help window's search box, and a box of
// Qt's own (as a file dialog has). Says "ready" on standard output once they
// are all shown, and runs until it is ended.
#include "gui/help/helpviewer.h"
#include "support/apphelper.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

using namespace tessaron;

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    TestApp app;
    for (auto [kind, lang] :
         {std::pair{WindowKind::Main, Lang::Spanish}, std::pair{WindowKind::Compact, Lang::English},
          std::pair{WindowKind::Favourites, Lang::Spanish}})
        app.app.registry().show(kind, lang);
    HelpViewer help;
    help.show();
    QWidget plain;
    plain.setWindowTitle(QStringLiteral("plain box"));
    auto *box = new QLineEdit(&plain);
    box->setAccessibleName(QStringLiteral("plain box"));
    plain.show();
    QTimer::singleShot(500, [] {
        std::puts("ready");
        std::fflush(stdout);
    });
    return QApplication::exec();
}
