#pragma once

// While an object of this class lives, SIGINT and SIGTERM do not end the
// program at once: they are noted, and the run stops at its next safe point
// (between two disk operations) after undoing what it did. SIGPIPE is ignored
// for the program's whole life, so that a closed pipe is an error to report.
class DeferredSignals {
public:
    DeferredSignals();
    ~DeferredSignals();
    DeferredSignals(const DeferredSignals&) = delete;
    DeferredSignals& operator=(const DeferredSignals&) = delete;
};

// True once SIGINT or SIGTERM has arrived while signals are deferred.
bool interruptionRequested();
