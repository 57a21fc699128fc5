#pragma once

#include <QObject>

class Wizard;

class QWidget;

// While it lives the wizard is busy: no key, click or wheel reaches any of its
// windows but the one control left open, and none of them can be closed; only
// Tab and Shift+Tab still move the focus. The event loop keeps running, so the
// windows still repaint and move.
class InputBlock : public QObject {
    Q_OBJECT
public:
    InputBlock(Wizard& wizard, QWidget* leftOpen);
    ~InputBlock() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Wizard& wizard_;
    QWidget* leftOpen_;
};
