#pragma once

#include "wizard/WizardWindow.h"

#include <memory>

namespace Ui {
class PreparationWindow;
}

struct Photo;
class PhotoListModel;

// The preparation window: one list line per album place; the selected photo's
// picture, thumbnail, title and comment. Up and Down, Alt+Up and Alt+Down in
// the list, and dragging a line move the photo.
class PreparationWindow : public WizardWindow {
    Q_OBJECT
public:
    explicit PreparationWindow(Wizard& wizard);
    ~PreparationWindow() override;

    // The window's controls, for tests and automation.
    const Ui::PreparationWindow& form() const { return *ui; }

    // What the settings window does after showing this window: the photo list
    // takes the focus and its first line is selected.
    void focusFirstPhoto();
    // Shown again while open: the album's photos may have been chosen anew
    // meanwhile (the selection window stays usable), so the list follows them.
    void reload();

private:
    void wireHandlers();
    void load();
    int selectedLine() const;
    // The photo on the chosen line; none when no line is chosen.
    Photo* selectedPhoto() const;
    void onPhotoChosen();
    void onTitleEdited();
    void onCommentEdited();
    void onUp();
    void onDown();
    void onBackToSelection();
    void onBackToSettings();
    void onGenerate();

    std::unique_ptr<Ui::PreparationWindow> ui;
    PhotoListModel* photoModel_ = nullptr;
};
