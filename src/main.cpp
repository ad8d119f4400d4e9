#include "core/cli/commandline.h"
#include "core/cli/runcommand.h"
#include "core/cli/terminaltext.h"
#include "core/settings/ini.h"
#include "core/version.h"
#include "gui/app/application.h"
#include "gui/systemdesktop.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/icons.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace tessaron;

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(decodeBytes(argv[i]));
    return arguments;
}

// Qt ends the program with abort() when its platform cannot start, as with a
// DISPLAY or a WAYLAND_DISPLAY that does not answer. While the application is
// made, Qt's messages are held back, so that such a failure is said in one line
// (one for each display Qt tried) with exit status 1.
QList<QString> g_heldMessages;

bool heldMessageSays(QStringView what)
{
    return std::any_of(g_heldMessages.cbegin(), g_heldMessages.cend(),
                       [what](const QString &held) { return held.contains(what); });
}

void holdStartMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg) {
        g_heldMessages.append(message);
        return;
    }
    const bool deadWayland = heldMessageSays(u"Failed to create wl_display");
    const bool deadX11 = heldMessageSays(u"could not connect to display");
    QString said;
    if (deadWayland) {
        said += QStringLiteral("tessaron: the Wayland display named in WAYLAND_DISPLAY (\"%1\") "
                               "cannot be opened.\n")
                    .arg(printable(qEnvironmentVariable("WAYLAND_DISPLAY")));
    }
    if (deadX11) {
        said +=
            QStringLiteral("tessaron: the display named in DISPLAY (\"%1\") cannot be opened.\n")
                .arg(printable(qEnvironmentVariable("DISPLAY")));
    }
    if (!deadWayland && !deadX11) {
        for (const QString &held : std::as_const(g_heldMessages))
            said += held + u'\n';
        said += QStringLiteral("tessaron: ") + message + u'\n';
    }
    std::fputs(said.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// The messages held back while the application was made, said after all.
void releaseStartMessages()
{
    qInstallMessageHandler(nullptr);
    for (const QString &held : std::as_const(g_heldMessages))
        std::fprintf(stderr, "%s\n", held.toLocal8Bit().constData());
    g_heldMessages.clear();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("tessaron"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    const CommandLineRequest request =
        parseCommandLine(argumentsOf(argc, argv), ::isatty(STDIN_FILENO) == 1);
    if (request.action != CommandLineRequest::Action::StartDesktop) {
        QCoreApplication app(argc, argv);
        return runCommand(request, QCoreApplication::applicationDirPath(),
                          {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO});
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        // The hint names the program as it was started, so it works as written.
        const QString hint =
            QStringLiteral("tessaron: no display found (neither DISPLAY nor WAYLAND_DISPLAY is "
                           "set).\nTessaron is a desktop program; run it under a virtual "
                           "display:\n    xvfb-run -a %1\n")
                .arg(printable(decodeBytes(argv[0]), 4096));
        std::fputs(hint.toLocal8Bit().constData(), stderr);
        return 1;
    }
    // A Wayland session without an X server beside it: Qt would try X11 first and
    // fail, so it is told to use the display there is.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "wayland");
    qInstallMessageHandler(holdStartMessage);
    QApplication app(argc, argv);
    releaseStartMessages();
    // The program ends when its own windows are gone, not when a help window is the last.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    SystemDesktop desktop;
    Application tessaron(desktop, QCoreApplication::applicationDirPath());
    // The windows take the program's picture from the application. It is given once
    // the first window is up: making it ready for the window system (an SVG engine
    // loaded, the picture drawn at each size) would otherwise keep that window from
    // showing, and the picture appears in the same moment either way.
    QTimer::singleShot(0, &app, [] { QApplication::setWindowIcon(applicationIcon()); });
    return tessaron.run(settingsFilePath());
}
