#pragma once

#include "wizard/WizardWindow.h"

class QCheckBox;
class QLabel;
class QPushButton;

// The settings window: the album options, each switching one flag of the album
// state and one pair of explanatory notes.
class SettingsWindow : public WizardWindow {
    Q_OBJECT
public:
    explicit SettingsWindow(Wizard& wizard);

protected:
    void onUserClose() override;
    void resizeEvent(QResizeEvent* event) override;

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
    void showNotes();
    void onThumbnailsToggled();
    void onTitlesFromNamesToggled();
    void onKeepFolderToggled();
    void onWebPhotosToggled();
    // The thumbnail and web boxes as the state has them, without raising their handlers.
    void showPhotoOptions();
    void onPrepare();

    QPushButton* selectionButton = nullptr;
    QPushButton* prepareButton = nullptr;
    QCheckBox* thumbnailsCheck = nullptr;
    QCheckBox* titlesFromNamesCheck = nullptr;
    QCheckBox* keepFolderCheck = nullptr;
    QCheckBox* webPhotosCheck = nullptr;
    // Each option has a note for either state of its box.
    QLabel* anySizeNote = nullptr;
    QLabel* preparedSizesNote = nullptr;
    QLabel* typedTitlesNote = nullptr;
    QLabel* namedTitlesNote = nullptr;
    QLabel* insideFolderNote = nullptr;
    QLabel* renamedFolderNote = nullptr;
    QLabel* photosAsTheyAreNote = nullptr;
    QLabel* photosMadeForWebNote = nullptr;
};
