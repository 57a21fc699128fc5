#include "Interruption.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t requested = 0;
struct sigaction previousInt {};
struct sigaction previousTerm {};

void noteSignal(int) {
    requested = 1;
}

} // namespace

DeferredSignals::DeferredSignals() {
    requested = 0;
    std::signal(SIGPIPE, SIG_IGN);
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    ::sigaction(SIGINT, &action, &previousInt);
    ::sigaction(SIGTERM, &action, &previousTerm);
}

DeferredSignals::~DeferredSignals() {
    ::sigaction(SIGINT, &previousInt, nullptr);
    ::sigaction(SIGTERM, &previousTerm, nullptr);
    requested = 0;
}

bool interruptionRequested() {
    return requested != 0;
}
