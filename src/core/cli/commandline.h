#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string_view>

namespace tessaron {

class OutputSink;

// What the user asked for on the command line.
struct CommandLineRequest {
    enum class Action {
        StartDesktop,
        Codes,
        SetLanguage,
        ExportFavourites,
        ImportFavourites,
        Help,
        Version,
        Refused
    };
    Action action = Action::StartDesktop;
    QStringList names;           // Codes
    bool namesFromInput = false; // Codes: the names come one a line from standard input
    QString language;            // SetLanguage: "english" or "spanish"
    QString format;              // ExportFavourites: "csv" or "html"
    QString file;                // ImportFavourites: the file, "-" for standard input
    QString message;             // Help, Version: the text to print; Refused: why
};

// Reads the program's arguments (the program name first, as in argv). `--codes`
// with no name reads the names from standard input unless that is a terminal.
[[nodiscard]] CommandLineRequest parseCommandLine(const QStringList &arguments,
                                                  bool inputIsTerminal = true);

// Why the name check would change `name`, or an empty text when it keeps it as
// it is (capitals apart, which only become small letters).
[[nodiscard]] QString refusalReason(const QString &name);

// Appends the four lines of a name that the check keeps: "letter<TAB>code<TAB>
// figure address" for r, c, t and p, capitals coded as small letters.
void appendCodeLines(QByteArray &out, const QString &name);

// appendCodeLines() for a name of ASCII bytes that the name rule keeps (capitals
// allowed), straight from its bytes.
void appendCodeLinesAscii(QByteArray &out, std::string_view name);

// The line that tells why `name` is refused, its text shown safely.
[[nodiscard]] QString refusalLine(const QString &name, const QString &reason);

// Prints four lines per name, "letter<TAB>code<TAB>figure address", in the
// order r, c, t, p. When any name would be corrected nothing is printed on
// `out`, each refused name gets one line on `err`, and the result is 2. A
// failed write is said and gives 1.
[[nodiscard]] int printCodes(const QStringList &names, OutputSink &out, OutputSink &err);

inline constexpr int kExitUsage = 2;

} // namespace tessaron
