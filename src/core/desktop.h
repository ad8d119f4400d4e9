#pragma once

#include <QString>

class QObject;

namespace tessaron {

// The help viewer's commands, numbered as the help calls of the windows number them.
enum class HelpCommand {
    Topic = 1,     // show the topic whose number is the data
    Contents = 3,  // show the contents
    Index = 0x105, // the keyword index, searched by a partial word
};

// Everything the program asks of the desktop. The real implementation talks to
// the system; tests hand the windows a fake that records what was asked. The
// `window` of a call is the window that asks (a box is modal to it); it is a
// QObject here, so that the rules that ask need no widget.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal box with the title "Tessaron", an OK button and no icon.
    virtual void message(QObject *window, const QString &text) = 0;
    // A modal Yes/No box with the title "Tessaron"; true for Yes.
    [[nodiscard]] virtual bool question(QObject *window, const QString &text) = 0;
    // Starts `program` with `address` as its one argument, without a shell and
    // without waiting. False when it could not be started.
    virtual bool startBrowser(const QString &program, const QString &address) = 0;
    // Opens the address with the desktop's default handler.
    virtual bool openAddress(const QString &address) = 0;
    // Opens the help viewer on `helpFile` (a path).
    virtual void help(QObject *window, const QString &helpFile, HelpCommand command, int data) = 0;
    // Keeps a window in front of the others, or releases it.
    virtual void keepInFront(QObject *window, bool inFront) = 0;
};

} // namespace tessaron
