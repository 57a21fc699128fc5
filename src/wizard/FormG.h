#pragma once

#include "wizard/WizardWindow.h"

class PhotoView;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

// The generation window: a likeness of the index page on the chosen background,
// the album description, three colour bars, and "Создать", which writes the album.
class FormG : public WizardWindow {
    Q_OBJECT
public:
    explicit FormG(Wizard& wizard);

private:
    void build();
    void load();
    void onText1Change();
    void onScroll(QScrollBar* bar);
    void showBackground();
    void onCommand1Click();

    QPushButton* Command1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QScrollBar* VScroll2 = nullptr;
    QScrollBar* VScroll3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label10 = nullptr;
    PhotoView* Image1 = nullptr;
    PhotoView* Image2 = nullptr;
};
