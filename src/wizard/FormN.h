#pragma once

#include "wizard/WizardWindow.h"

class QCheckBox;
class QLabel;
class QPushButton;

// The settings window: the three album options, each switching one flag of the
// album state and one pair of explanatory labels.
class FormN : public WizardWindow {
    Q_OBJECT
public:
    explicit FormN(Wizard& wizard);

protected:
    void onUserClose() override;

private:
    void build();
    void load();
    void showLabels();
    void onCheck1Click();
    void onCheck2Click();
    void onCheck3Click();
    void onCommand2Click();

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
};
