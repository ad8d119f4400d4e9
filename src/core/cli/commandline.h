#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace tessaron {

// What the user asked for on the command line.
struct CommandLineRequest {
    enum class Action { StartDesktop, Codes, SetLanguage, Help, Version, Refused };
    Action action = Action::StartDesktop;
    QStringList names; // Codes
    QString language;  // SetLanguage: "english" or "spanish"
    QString message;   // Help, Version: the text to print; Refused: why
};

// Reads the program's arguments (the program name first, as in argv).
[[nodiscard]] CommandLineRequest parseCommandLine(const QStringList &arguments);

// Why the name check would change `name`, or an empty text when it keeps it as
// it is (capitals apart, which only become small letters).
[[nodiscard]] QString refusalReason(const QString &name);

// Prints four lines per name, "letter<TAB>code<TAB>figure address", in the
// order r, c, t, p. When any name would be corrected nothing is printed on
// `out`, each refused name gets one line on `err`, and the result is 2.
[[nodiscard]] int printCodes(const QStringList &names, QTextStream &out, QTextStream &err);

inline constexpr int kExitUsage = 2;

} // namespace tessaron
