#pragma once

#include "wizard/WizardWindow.h"

struct Photo;

class PhotoView;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The preparation window: one list line per album position; the selected
// photo's picture, thumbnail, title and comment; Up and Down move the photo.
class PreparationWindow : public WizardWindow {
    Q_OBJECT
public:
    explicit PreparationWindow(Wizard& wizard);

    // What the settings window does after showing this window: the photo list
    // takes the focus and its first line is selected.
    void focusFirstPhoto();

private:
    // The headings, captions and lines: they only show, no handler reads them.
    struct Decor;
    // Building is done in these steps, in this order.
    void build();
    Decor createControls();
    void nameControls(const Decor& decor);
    void layOut(const Decor& decor);
    void orderTabs();
    void wireHandlers();
    void load();
    int selectedPosition() const;
    // The photo on the chosen line; none when no line is chosen.
    Photo* selectedPhoto() const;
    void showPlaceFiles();
    void onPhotoChosen();
    void onTitleEdited();
    void onCommentEdited();
    void onUp();
    void onDown();
    void onBackToSelection();
    void onBackToSettings();
    void onGenerate();

    QListWidget* photoList = nullptr;
    QPushButton* selectionButton = nullptr;
    QPushButton* settingsButton = nullptr;
    QPushButton* generateButton = nullptr;
    QPushButton* quitButton = nullptr;
    QPushButton* upButton = nullptr;
    QPushButton* downButton = nullptr;
    PhotoView* preview = nullptr;
    PhotoView* thumbnailPreview = nullptr;
    QLineEdit* titleEdit = nullptr;
    QPlainTextEdit* commentEdit = nullptr;
};
