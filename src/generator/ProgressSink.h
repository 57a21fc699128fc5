#pragma once

#include <QString>

// Where generation shows its progress: the generation window's status label
// (with a pause so the caption can be read), standard error in the command-line tool.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void caption(const QString& text, int pauseMs) = 0;
};
