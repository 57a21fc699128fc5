#pragma once

#include "wizard/WizardWindow.h"

class PhotoView;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

// The generation window: a likeness of the index page on the chosen background,
// the album description, three colour bars, and "Создать", which writes the album.
class GenerationWindow : public WizardWindow {
    Q_OBJECT
public:
    explicit GenerationWindow(Wizard& wizard);

private:
    void build();
    void load();
    void onDescriptionEdited();
    void onColourBarMoved(QScrollBar* bar);
    void showBackground();
    void onCreate();

    QPushButton* createButton = nullptr;
    QPlainTextEdit* descriptionEdit = nullptr;
    QScrollBar* redBar = nullptr;
    QScrollBar* greenBar = nullptr;
    QScrollBar* blueBar = nullptr;
    QLabel* albumNameLabel = nullptr;
    QLabel* firstTitleLabel = nullptr;
    QLabel* secondTitleLabel = nullptr;
    QLabel* statusLabel = nullptr;
    PhotoView* firstPreview = nullptr;
    PhotoView* secondPreview = nullptr;
};
