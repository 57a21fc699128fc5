#include "Interruption.h"

#include <atomic>
#include <windows.h>

namespace {

std::atomic<bool> requested = false;

// Ctrl+C, Ctrl+Break and closing the console are noted; the run stops at its
// next safe point.
BOOL WINAPI noteConsoleEvent(DWORD) {
    requested = true;
    return TRUE;
}

} // namespace

DeferredSignals::DeferredSignals() {
    requested = false;
    ::SetConsoleCtrlHandler(noteConsoleEvent, TRUE);
}

DeferredSignals::~DeferredSignals() {
    ::SetConsoleCtrlHandler(noteConsoleEvent, FALSE);
    requested = false;
}

bool interruptionRequested() {
    return requested;
}
