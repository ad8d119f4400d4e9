#include "core/cli/terminationwatcher.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace tessaron {

namespace {

int g_fds[2] = {-1, -1};

// A logout or `kill` (TERM), a Ctrl+C (INT), and the terminal that started the
// program being closed (HUP): each asks for the same orderly end.
constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_fds[0], &byte, 1);
}

} // namespace

TerminationWatcher::TerminationWatcher(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_fds) != 0)
        return;
    m_notifier = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(g_fds[1], &byte, 1);
        Q_EMIT terminationRequested();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kEndingSignals)
        sigaction(signal, &action, nullptr);
}

TerminationWatcher::~TerminationWatcher()
{
    for (int signal : kEndingSignals)
        std::signal(signal, SIG_DFL);
    if (g_fds[0] >= 0) {
        ::close(g_fds[0]);
        ::close(g_fds[1]);
        g_fds[0] = g_fds[1] = -1;
    }
}

} // namespace tessaron
