// What a person waits for in the favourites window, on one store:
//   favourites_window STORE
// opens the English window on STORE, enters figure mode, opens the first list's
// drop-down and closes the window, each step timed until nothing more is to be
// done, and prints "figure_ms dropdown_ms close_ms rss_after_figure_mib
// rss_after_close_mib". bench/window.py runs it on stores of 10^3 and 10^6 rows.
#include "bench/quietdesktop.h"
#include "core/coding/modtessaron.h"
#include "gui/favourites/favouriteswindow.h"
#include "gui/widgets/clickablelabel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

using namespace tessaron;

namespace {

// Runs the event loop until it has nothing left to do.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: favourites_window STORE\n");
        return 2;
    }
    QTemporaryDir programDir;
    QFile::link(QFile::decodeName(argv[1]), programDir.filePath(QStringLiteral("TESSARON.MDB")));
    ModTessaron state;
    QuietDesktop desktop(true);
    NoNavigator navigator;
    auto *window = new FavouritesWindow(Lang::English,
                                        AppContext{state, desktop, navigator, programDir.path()});
    window->show();
    settle();

    QElapsedTimer timer;
    timer.start();
    Q_EMIT window->findChild<ClickableLabel *>(QStringLiteral("Label1"))->clicked();
    settle();
    const double figureMs = double(timer.nsecsElapsed()) / 1e6;
    const double rssFigure = residentMiB();

    auto *list = window->findChild<QComboBox *>(QStringLiteral("Combo1"));
    timer.restart();
    list->showPopup();
    settle();
    const double dropDownMs = double(timer.nsecsElapsed()) / 1e6;
    list->hidePopup();
    settle();

    timer.restart();
    window->close();
    window->deleteLater();
    settle();
    const double closeMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("%.2f %.2f %.2f %.1f %.1f\n", figureMs, dropDownMs, closeMs, rssFigure,
                residentMiB());
    return 0;
}
