#pragma once

#include "platform/FolderLock.h"
#include "wizard/WizardWindow.h"

#include <memory>

namespace Ui {
class SelectionWindow;
}

// The selection window: the start of the wizard. The user picks the folder of
// photos and names the album. It is only ever hidden, never destroyed, because
// the pages read the album name from its name box when they are written.
class SelectionWindow : public WizardWindow {
    Q_OBJECT
public:
    explicit SelectionWindow(Wizard& wizard);
    ~SelectionWindow() override;

    // The window's controls, for tests and automation.
    const Ui::SelectionWindow& form() const { return *ui; }

protected:
    void onUserClose() override;

private:
    void wireHandlers();
    void load();
    void onDriveChosen();
    void onFolderChosen(const QString& path);
    void onFolderChanged(const QString& path);
    void onFileChosen();
    void onConfigure();
    void onPrepare();
    void onGenerate();

    std::unique_ptr<Ui::SelectionWindow> ui;
    // The last folder that could be listed; a refused change returns to it.
    QString shownFolder_;
    // From a successful "Настроить" until another folder is chosen, no other run
    // (a second wizard, photoalbum-make) may work in the source folder.
    FolderLock folderLock_;
};
