#pragma once

#include "wizard/WizardWindow.h"

class QLabel;

// The About box: what the program is and who made it. It holds no data.
class AboutBox : public WizardWindow {
    Q_OBJECT
public:
    explicit AboutBox(Wizard& wizard);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void load();

    QLabel* titleLabel = nullptr;
};
