#pragma once

#include "wizard/WizardWindow.h"

#include <memory>

namespace Ui {
class AboutBox;
}

// The About box: what the program is and who made it. It holds no data.
class AboutBox : public WizardWindow {
    Q_OBJECT
public:
    explicit AboutBox(Wizard& wizard);
    ~AboutBox() override;

    // The window's controls, for tests and automation.
    const Ui::AboutBox& form() const { return *ui; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::AboutBox> ui;
};
