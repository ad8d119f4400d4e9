#include "core/models/importoffer.h"

#include "core/cli/favouritesimport.h"
#include "core/cli/outputsink.h"
#include "core/cli/terminaltext.h"
#include "core/desktop.h"
#include "core/favourites/favouritesstore.h"
#include "core/texts/favouritestexts.h"

#include <QFileInfo>
#include <QPointer>
#include <QTemporaryFile>

#include <csignal>
#include <unistd.h>

namespace tessaron {

namespace {

// What the import said on its error stream, without the command line's own name:
// the rows it left out, or why it imported nothing.
QStringList saidLines(const QByteArray &said)
{
    QStringList lines;
    const QString prefix = QStringLiteral("tessaron: ");
    for (const QString &line : QString::fromUtf8(said).split(u'\n', Qt::SkipEmptyParts))
        lines << (line.startsWith(prefix) ? line.sliced(prefix.size()) : line);
    return lines;
}

} // namespace

void ImportOffer::offer(const QString &path)
{
    const FavouritesTexts &texts = favouritesTexts(m_lang);
    const QString shown = printable(QFileInfo(path).fileName(), 200);
    // The question runs an event loop, in which the window, and this with it, may go.
    const QPointer<ImportOffer> alive(this);
    if (!m_desktop.question(parent(), texts.importQuestion.arg(shown)) || !alive)
        return;

    QTemporaryFile said;
    ImportOutcome outcome;
    {
        if (!said.open())
            return m_desktop.message(parent(),
                                     texts.importNothing.arg(shown) + u'\n' + said.errorString());
        OutputSink errors(::dup(said.handle()), QStringLiteral("the import's messages"));
        FavouritesStore store(m_programDir);
        outcome = importFavourites(path, -1, store, errors);
        (void)errors.finish();
    }
    // A signal that came during the import undid it; the program still ends by it,
    // as it does whenever one comes, with no box left to answer first.
    if (outcome.signal != 0) {
        ::raise(outcome.signal);
        return;
    }
    QStringList lines = said.seek(0) ? saidLines(said.readAll()) : QStringList();
    QString text;
    if (outcome.committed) {
        if (!lines.isEmpty())
            lines.removeLast(); // the count, said here in the window's language
        // In one pass: a file name may hold "%2" itself.
        text = texts.importDone.arg(
            shown, QString::number(outcome.added), QString::number(outcome.present),
            QString::number(outcome.leftOut), QString::number(outcome.otherLinks));
        if (!lines.isEmpty())
            text += u"\n\n" + texts.importLeftOut + u'\n' + lines.join(u'\n');
    } else {
        text = texts.importNothing.arg(shown) + u'\n' + lines.join(u'\n');
    }
    m_desktop.message(parent(), text);
}

} // namespace tessaron
