#pragma once

#include "generator/ProgressSink.h"

class Desktop;
class QLabel;

// Shows generation progress in a status label: the caption is painted at once,
// then the pause keeps it readable while the work goes on in the same thread.
class LabelProgress : public ProgressSink {
public:
    LabelProgress(QLabel& label, Desktop& desktop) : label_(label), desktop_(desktop) {}
    void caption(const QString& text, int pauseMs) override;

private:
    QLabel& label_;
    Desktop& desktop_;
};
