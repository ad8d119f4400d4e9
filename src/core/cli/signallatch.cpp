#include "core/cli/signallatch.h"

#include <cstdlib>
#include <unistd.h>

namespace tessaron {

namespace {

constexpr int kLatchedSignals[] = {SIGTERM, SIGINT, SIGHUP};

volatile std::sig_atomic_t g_caught = 0;

void onSignal(int signal)
{
    if (g_caught == 0)
        g_caught = signal;
}

} // namespace

SignalLatch::SignalLatch()
{
    g_caught = 0;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    for (int i = 0; i < 3; ++i)
        sigaction(kLatchedSignals[i], &action, &m_previous[i]);
}

SignalLatch::~SignalLatch()
{
    for (int i = 0; i < 3; ++i)
        sigaction(kLatchedSignals[i], &m_previous[i], nullptr);
}

int SignalLatch::caught()
{
    return g_caught;
}

void endBySignal(int signal)
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    sigset_t unblock;
    sigemptyset(&unblock);
    sigaddset(&unblock, signal);
    sigprocmask(SIG_UNBLOCK, &unblock, nullptr);
    std::raise(signal);
    std::_Exit(128 + signal); // never reached: the default action ends the program
}

} // namespace tessaron
