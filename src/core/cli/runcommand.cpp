#include "core/cli/runcommand.h"

#include "core/cli/codestream.h"
#include "core/cli/commandline.h"
#include "core/cli/favouritesexport.h"
#include "core/cli/favouritesimport.h"
#include "core/cli/outputsink.h"
#include "core/cli/signallatch.h"
#include "core/cli/terminaltext.h"
#include "core/favourites/favouritesstore.h"
#include "core/settings/ini.h"
#include "core/settings/startup.h"

namespace tessaron {

namespace {

// Prints `text` and ends: 0, or the end of a failed write.
int printText(const QString &text, OutputSink &out)
{
    out << text;
    return out.finish() ? 0 : endAfterFailedOutput(out);
}

int setLanguage(const CommandLineRequest &request, OutputSink &err)
{
    const QString path = settingsFilePath();
    const Lang lang = request.language == u"english" ? Lang::English : Lang::Spanish;
    QString why;
    if (EscriureIni(QStringLiteral("Idioma"), QStringLiteral("Inici"), languageSetting(lang), path,
                    &why))
        return 0;
    err << QStringLiteral("tessaron: cannot write the settings file %1: %2\n")
               .arg(printable(path, 4096), why);
    return 1;
}

} // namespace

int runCommand(const CommandLineRequest &request, const QString &programDir, CommandStreams streams)
{
    OutputSink out(streams.output, QStringLiteral("standard output"));
    OutputSink err(streams.errors, QStringLiteral("standard error"));
    int status = kExitUsage;
    switch (request.action) {
    case CommandLineRequest::Action::Codes:
        status = request.namesFromInput ? streamCodes(streams.input, streams.output, streams.errors)
                                        : printCodes(request.names, out, err);
        break;
    case CommandLineRequest::Action::Help:
    case CommandLineRequest::Action::Version:
        status = printText(request.message, out);
        break;
    case CommandLineRequest::Action::Refused:
        err << QStringLiteral("tessaron: ") + request.message + u'\n';
        status = kExitUsage;
        break;
    case CommandLineRequest::Action::SetLanguage:
        status = setLanguage(request, err);
        break;
    case CommandLineRequest::Action::ExportFavourites: {
        FavouritesStore store(programDir);
        status = exportFavourites(request.format == u"csv" ? ExportFormat::Csv : ExportFormat::Html,
                                  store, out, err);
        break;
    }
    case CommandLineRequest::Action::ImportFavourites: {
        FavouritesStore store(programDir);
        const ImportOutcome outcome = importFavourites(request.file, streams.input, store, err);
        if (outcome.signal != 0) {
            // Nothing was added; the program then ends as the signal would have ended it.
            err.flush();
            endBySignal(outcome.signal);
        }
        status = outcome.status;
        break;
    }
    case CommandLineRequest::Action::StartDesktop:
        break;
    }
    err.flush();
    return status;
}

} // namespace tessaron
