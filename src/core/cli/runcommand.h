#pragma once

#include <QString>

namespace tessaron {

struct CommandLineRequest;

// The file descriptors a command reads and writes.
struct CommandStreams {
    int input;
    int output;
    int errors;
};

// Carries out a request that needs no window (everything but StartDesktop) and
// gives the program's exit status. The favourites store is found from
// `programDir` as the windows find it.
[[nodiscard]] int runCommand(const CommandLineRequest &request, const QString &programDir,
                             CommandStreams streams);

} // namespace tessaron
