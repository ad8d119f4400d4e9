#pragma once

#include <csignal>

namespace tessaron {

// Catches SIGTERM, SIGINT and SIGHUP for as long as it lives, so that a command
// that writes the store can stop between two rows and undo what it began
// instead of being ended in the middle. The handler only notes the signal; a
// blocked read is broken off by it (no SA_RESTART), so that a command waiting on
// a pipe notices it too. The earlier handlers come back when it goes.
class SignalLatch {
public:
    SignalLatch();
    ~SignalLatch();
    SignalLatch(const SignalLatch &) = delete;
    SignalLatch &operator=(const SignalLatch &) = delete;

    // The signal caught, or 0.
    [[nodiscard]] static int caught();

private:
    struct sigaction m_previous[3] = {};
};

// Ends the program by `signal`, as it would have ended had nothing caught it, so
// that the shell sees what ended it (status 128 + the signal).
[[noreturn]] void endBySignal(int signal);

} // namespace tessaron
