#include "core/cli/commandline.h"

#include "core/cli/outputsink.h"
#include "core/cli/terminaltext.h"
#include "core/coding/addresses.h"
#include "core/coding/characters.h"
#include "core/coding/figurecoding.h"
#include "core/coding/namecheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstring>

namespace tessaron {

namespace {

QString describeCharacter(char32_t c)
{
    if (c >= 0x21 && c < 0x7f)
        return QStringLiteral("'%1'").arg(QChar(char16_t(c)));
    if (isEscapedByte(c))
        return QStringLiteral("byte %1").arg(printable(QString(QChar(char16_t(c)))));
    return QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
}

// The character at `index`, counting a surrogate pair as one; a lone surrogate
// (an invalid byte, as decodeBytes() keeps it) stands for itself.
char32_t characterAt(const QString &text, qsizetype index)
{
    for (qsizetype i = 0; i < text.size(); ++i, --index) {
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (index == 0)
            return pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        if (pair)
            ++i;
    }
    return 0;
}

// Qt's own options (-platform, -style, ...), which QApplication takes for itself.
QStringList withoutQtOptions(const QStringList &arguments)
{
    static const QStringList withValue{
        QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"),    QStringLiteral("style"),
        QStringLiteral("stylesheet"),      QStringLiteral("session"),
        QStringLiteral("display"),         QStringLiteral("geometry"),
        QStringLiteral("title"),           QStringLiteral("name")};
    static const QStringList flags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                   QStringLiteral("nograb"), QStringLiteral("dograb"),
                                   QStringLiteral("sync")};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == u"--" || arg == u"--codes") {
            kept << arguments.mid(i); // names follow, whatever they look like
            break;
        }
        if (i == 0 || !arg.startsWith(u'-')) {
            kept << arg;
            continue;
        }
        QString name = arg.mid(arg.startsWith(QStringLiteral("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        const bool inlineValue = equals >= 0;
        if (inlineValue)
            name.truncate(equals);
        if (withValue.contains(name)) {
            if (!inlineValue)
                ++i; // its value
        } else if (!flags.contains(name) && !name.startsWith(QStringLiteral("qmljsdebugger"))) {
            kept << arg;
        }
    }
    return kept;
}

const QString kUsage =
    QStringLiteral("Usage: tessaron [--codes NAME... | --codes - | --favourites csv|html | "
                   "--import FILE | --language english|spanish | --help | --version]");

// What the words say, before anything of it is checked.
struct ParsedArguments {
    QString error; // the parser's complaint; empty when the words could be read
    QString helpText;
    bool help = false;
    bool version = false;
    bool codes = false;
    bool language = false;
    QStringList languageValues;
    QStringList favouritesFormats;
    QStringList importFiles;
    QStringList positional;
};

ParsedArguments parseArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Codes internet names by geometric figure. Without options it starts the "
                       "desktop program."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the program's version and exits."));
    const QCommandLineOption codes(
        QStringLiteral("codes"),
        QStringLiteral("Prints the four figure codes and figure addresses of each NAME, one line "
                       "per family: letter, tab, code, tab, address."));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Sets the language the program starts in (english or spanish) and exits."),
        QStringLiteral("english|spanish"));
    const QCommandLineOption favourites(
        QStringLiteral("favourites"),
        QStringLiteral("Prints the saved favourites as CSV, or as a bookmarks file browsers "
                       "import (html), and exits."),
        QStringLiteral("csv|html"));
    const QCommandLineOption import(
        QStringLiteral("import"),
        QStringLiteral("Adds to the saved favourites those in FILE (- for standard input): this "
                       "program's CSV or a bookmarks file of any browser. Addresses already saved "
                       "and rows this program would not write are left out; all or nothing."),
        QStringLiteral("FILE"));
    parser.addOptions({help, version, codes, language, favourites, import});
    parser.addPositionalArgument(QStringLiteral("NAME"),
                                 QStringLiteral("A domain name, with --codes."),
                                 QStringLiteral("[NAME...]"));

    // Every word after --codes is a name, even one that begins with a hyphen or is
    // "--": the check, not the option parser, is what refuses "-abc".
    QStringList words = withoutQtOptions(arguments);
    QStringList names;
    const qsizetype codesAt = words.indexOf(QStringLiteral("--codes"));
    if (codesAt > 0) {
        names = words.mid(codesAt + 1);
        words.resize(codesAt + 1);
    }

    ParsedArguments parsed;
    if (!parser.parse(words)) {
        parsed.error = parser.errorText();
        return parsed;
    }
    // The parser names the program only when a QCoreApplication exists; it does not yet.
    parsed.helpText =
        parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("tessaron"));
    parsed.help = parser.isSet(help);
    parsed.version = parser.isSet(version);
    parsed.codes = parser.isSet(codes);
    parsed.language = parser.isSet(language);
    parsed.languageValues = parser.values(language);
    parsed.favouritesFormats = parser.values(favourites);
    parsed.importFiles = parser.values(import);
    parsed.positional = parser.positionalArguments() + names;
    return parsed;
}

CommandLineRequest refused(const QString &why)
{
    CommandLineRequest request;
    request.action = CommandLineRequest::Action::Refused;
    request.message = why + u'\n' + kUsage;
    return request;
}

// Which request the words make, and whether they make sense together.
CommandLineRequest checkArguments(const ParsedArguments &parsed, bool inputIsTerminal)
{
    if (!parsed.error.isEmpty()) // it quotes the word it could not read
        return refused(printable(parsed.error, 4096));
    const int actions = int(parsed.help) + int(parsed.version) + int(parsed.codes) +
                        int(parsed.language) + int(!parsed.favouritesFormats.isEmpty()) +
                        int(!parsed.importFiles.isEmpty());
    if (actions > 1)
        return refused(QStringLiteral("Only one of --codes, --favourites, --import, --language, "
                                      "--help and --version may be given."));

    CommandLineRequest request;
    if (parsed.help) {
        request.action = CommandLineRequest::Action::Help;
        request.message = parsed.helpText;
    } else if (parsed.version) {
        request.action = CommandLineRequest::Action::Version;
        request.message =
            QStringLiteral("tessaron ") + QCoreApplication::applicationVersion() + u'\n';
    } else if (parsed.codes) {
        const bool fromInput = parsed.positional == QStringList{QStringLiteral("-")} ||
                               (parsed.positional.isEmpty() && !inputIsTerminal);
        if (parsed.positional.isEmpty() && !fromInput)
            return refused(QStringLiteral("--codes needs at least one NAME, or - to read names "
                                          "from standard input."));
        request.action = CommandLineRequest::Action::Codes;
        request.namesFromInput = fromInput;
        if (!fromInput)
            request.names = parsed.positional;
    } else if (parsed.language) {
        if (parsed.languageValues.size() > 1)
            return refused(QStringLiteral("--language may be given once."));
        const QString value = parsed.languageValues.value(0);
        const bool english = value.compare(u"english", Qt::CaseInsensitive) == 0;
        const bool spanish = value.compare(u"spanish", Qt::CaseInsensitive) == 0;
        if ((!english && !spanish) || !parsed.positional.isEmpty())
            return refused(QStringLiteral("--language takes english or spanish."));
        request.action = CommandLineRequest::Action::SetLanguage;
        request.language = english ? QStringLiteral("english") : QStringLiteral("spanish");
    } else if (!parsed.favouritesFormats.isEmpty()) {
        const QString format = parsed.favouritesFormats.first().toLower();
        if (parsed.favouritesFormats.size() > 1 || (format != u"csv" && format != u"html") ||
            !parsed.positional.isEmpty())
            return refused(QStringLiteral("--favourites takes csv or html, once."));
        request.action = CommandLineRequest::Action::ExportFavourites;
        request.format = format;
    } else if (!parsed.importFiles.isEmpty()) {
        if (parsed.importFiles.size() > 1 || !parsed.positional.isEmpty())
            return refused(QStringLiteral("--import takes one FILE, or - for standard input."));
        request.action = CommandLineRequest::Action::ImportFavourites;
        request.file = parsed.importFiles.first();
    } else if (!parsed.positional.isEmpty()) {
        return refused(QStringLiteral("Unexpected argument \"%1\"; names are coded with --codes.")
                           .arg(printable(parsed.positional.first())));
    }
    return request;
}

} // namespace

CommandLineRequest parseCommandLine(const QStringList &arguments, bool inputIsTerminal)
{
    return checkArguments(parseArguments(arguments), inputIsTerminal);
}

QString refusalReason(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("the name is empty");
    // Most names are good: the rule tells so without the whole check.
    if (isKeptName(name, Capitals::Allowed))
        return {};
    const NameCheckResult check = checkName(name);
    if (!check.corrected())
        return {};
    const NameCheckMessage &first = check.messages().first();
    switch (first.kind) {
    case NameCheckMessage::Kind::LeadingHyphen:
        return QStringLiteral("a name cannot begin with a hyphen");
    case NameCheckMessage::Kind::BadCharacter: {
        // The first bad character stands at the same place in the typed text.
        const char32_t bad = characterAt(name, first.position - 1);
        return QStringLiteral("character %1 (%2) is not allowed; a name holds only a-z, 0-9 and -")
            .arg(first.position)
            .arg(describeCharacter(bad));
    }
    case NameCheckMessage::Kind::TooLong:
        return QStringLiteral("a name holds at most %1 characters, this one has %2")
            .arg(kMaxNameLength)
            .arg(name.size());
    }
    return {};
}

void appendCodeLinesAscii(QByteArray &out, std::string_view name)
{
    std::array<char, kMaxNameLength> lower{};
    const std::size_t size = std::min(name.size(), lower.size());
    for (std::size_t i = 0; i < size; ++i)
        lower[i] = static_cast<char>(asciiLower(static_cast<unsigned char>(name[i])));
    const std::array<CodeChars, 4> codes = figureCodesOfAscii({lower.data(), size});
    static constexpr std::string_view kScheme = "http://www.";
    static constexpr std::string_view kEnd = ".com\n";
    const std::size_t prefix = std::size_t(kSitePrefix.size());
    // "l\tcode\thttp://www.PREFIX-NAME-code.com\n", written in place: the command
    // line codes millions of names, and piecewise appends cost more than the coding.
    const std::size_t line = 6 + kScheme.size() + prefix + 1 + size + 1 + 3 + kEnd.size();
    const qsizetype at = out.size();
    out.resize(at + qsizetype(4 * line));
    char *to = out.data() + at;
    const auto put = [&to](const char *from, std::size_t bytes) {
        std::memcpy(to, from, bytes);
        to += bytes;
    };
    for (const CodeChars &code : codes) {
        *to++ = code[0];
        *to++ = '\t';
        put(code.data(), 3);
        *to++ = '\t';
        put(kScheme.data(), kScheme.size());
        put(kSitePrefix.data(), prefix);
        *to++ = '-';
        put(lower.data(), size);
        *to++ = '-';
        put(code.data(), 3);
        put(kEnd.data(), kEnd.size());
    }
}

void appendCodeLines(QByteArray &out, const QString &name)
{
    const QByteArray bytes = name.toLatin1();
    appendCodeLinesAscii(out, {bytes.constData(), std::size_t(bytes.size())});
}

QString refusalLine(const QString &name, const QString &reason)
{
    return QStringLiteral("\"%1\" refused: %2").arg(printable(name), reason);
}

int printCodes(const QStringList &names, OutputSink &out, OutputSink &err)
{
    bool refused = false;
    for (const QString &name : names) {
        const QString reason = refusalReason(name);
        if (!reason.isEmpty()) {
            err << QStringLiteral("tessaron: ") + refusalLine(name, reason) + u'\n';
            refused = true;
        }
    }
    if (refused)
        return kExitUsage;
    QByteArray lines;
    for (const QString &name : names)
        appendCodeLines(lines, name);
    out << lines;
    return out.finish() ? 0 : endAfterFailedOutput(out);
}

} // namespace tessaron
