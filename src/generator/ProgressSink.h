#pragma once

#include <QString>

// Where generation shows its progress: the generation window's status label
// (with a pause so the caption can be read), standard error in the command-line tool.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    // Called on the thread that does the work; the window's sink returns once
    // the caption has been shown for its pause.
    virtual void caption(const QString& text, int pauseMs) = 0;
};
