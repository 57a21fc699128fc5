#pragma once

#include "wizard/WizardWindow.h"

class PhotoView;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The preparation window: one list line per album position; the selected
// photo's picture, thumbnail, title and comment; Up and Down move the photo.
class FormP : public WizardWindow {
    Q_OBJECT
public:
    explicit FormP(Wizard& wizard);

    // What the settings window does after showing this window: the photo list
    // takes the focus and its first line is selected.
    void focusFirstPhoto();

private:
    void build();
    void load();
    int selectedPosition() const;
    void onList1Click();
    void onText1Change();
    void onText2Change();
    void onUp();
    void onDown();
    void onCommand1Click();
    void onCommand2Click();
    void onCommand3Click();

    QListWidget* List1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    PhotoView* Image1 = nullptr;
    PhotoView* Image2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
};
