#pragma once

#include "generator/ProgressSink.h"

class Desktop;
class QLabel;
class QProgressBar;

// Shows generation progress in a status label, with a bar counting the captions
// shown so far. The pause that keeps a caption readable runs the event loop, so
// the windows repaint and move while the work goes on in the same thread.
class LabelProgress : public ProgressSink {
public:
    LabelProgress(QLabel& label, QProgressBar& bar, Desktop& desktop)
        : label_(label), bar_(bar), desktop_(desktop) {}
    void caption(const QString& text, int pauseMs) override;
    void keepAliveUntil(const std::function<bool()>& ready) override;

private:
    QLabel& label_;
    QProgressBar& bar_;
    Desktop& desktop_;
    int shown_ = 0;
};
