#pragma once

#include "wizard/WizardWindow.h"

#include <memory>

namespace Ui {
class SettingsWindow;
}

// The settings window: the album options, each switching one flag of the album
// state and one pair of explanatory notes.
class SettingsWindow : public WizardWindow {
    Q_OBJECT
public:
    explicit SettingsWindow(Wizard& wizard);
    ~SettingsWindow() override;

    // The window's controls, for tests and automation.
    const Ui::SettingsWindow& form() const { return *ui; }

protected:
    void onUserClose() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void wireHandlers();
    void load();
    void showNotes();
    void onThumbnailsToggled();
    void onTitlesFromNamesToggled();
    void onKeepFolderToggled();
    void onWebPhotosToggled();
    void onModernAlbumToggled();
    // The thumbnail, web and modern album boxes as the state has them, without
    // raising their handlers.
    void showPhotoOptions();
    void onPrepare();

    std::unique_ptr<Ui::SettingsWindow> ui;
};
