#pragma once

#include <QString>
#include <functional>

// Where generation shows its progress: the generation window's status label
// (with a pause so the caption can be read), standard error in the command-line tool.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void caption(const QString& text, int pauseMs) = 0;
    // Before the generator waits on work running in other threads: a window
    // keeps its event loop turning until `ready` says so. By default nothing
    // happens and the generator's own wait blocks.
    virtual void keepAliveUntil(const std::function<bool()>& ready) { (void)ready; }
};
