#pragma once

#include <QObject>

class Wizard;

// While it lives the wizard is busy: no key, click or wheel reaches any of its
// windows, and none of them can be closed. The event loop keeps running, so the
// windows still repaint and move.
class InputBlock : public QObject {
    Q_OBJECT
public:
    explicit InputBlock(Wizard& wizard);
    ~InputBlock() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Wizard& wizard_;
};
