#include "core/cli/commandline.h"
#include "core/settings/ini.h"
#include "core/settings/startup.h"
#include "core/version.h"
#include "gui/app/application.h"
#include "gui/systemdesktop.h"
#include "gui/widgets/fonts.h"
#include "gui/widgets/icons.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace tessaron;

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int runCommand(int argc, char **argv, const CommandLineRequest &request)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (request.action) {
    case CommandLineRequest::Action::Codes:
        return printCodes(request.names, out, err);
    case CommandLineRequest::Action::Help:
    case CommandLineRequest::Action::Version:
        out << request.message;
        return 0;
    case CommandLineRequest::Action::Refused:
        err << "tessaron: " << request.message << '\n';
        return kExitUsage;
    case CommandLineRequest::Action::SetLanguage: {
        const QString path = settingsFilePath();
        const Lang lang = request.language == u"english" ? Lang::English : Lang::Spanish;
        QString why;
        if (EscriureIni(QStringLiteral("Idioma"), QStringLiteral("Inici"), languageSetting(lang),
                        path, &why) != u"1") {
            err << "tessaron: could not write the settings file " << path << ": " << why << '\n';
            return 1;
        }
        return 0;
    }
    case CommandLineRequest::Action::StartDesktop:
        break;
    }
    return kExitUsage;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("tessaron"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    const CommandLineRequest request = parseCommandLine(argumentsOf(argc, argv));
    if (request.action != CommandLineRequest::Action::StartDesktop)
        return runCommand(argc, argv, request);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("tessaron: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                   "Tessaron is a desktop program; run it under a virtual display:\n"
                   "    xvfb-run -a tessaron\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    // The program ends when its own windows are gone, not when a help window is the last.
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    QApplication::setWindowIcon(applicationIcon());
    SystemDesktop desktop;
    Application tessaron(desktop, QCoreApplication::applicationDirPath());
    return tessaron.run(settingsFilePath());
}
