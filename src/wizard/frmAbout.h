#pragma once

#include "wizard/WizardWindow.h"

class QLabel;

// The About box: what the program is and who made it. It holds no data.
class frmAbout : public WizardWindow {
    Q_OBJECT
public:
    explicit frmAbout(Wizard& wizard);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void load();

    QLabel* m1 = nullptr;
};
