#pragma once

#include "platform/FolderLock.h"
#include "wizard/WizardWindow.h"

class DriveList;
class FileList;
class FolderList;
class PhotoView;
class QLineEdit;
class QPushButton;

// The selection window: the start of the wizard. The user picks the folder of
// photos and names the album. It is only ever hidden, never destroyed, because
// the pages read the album name from its name box when they are written.
class SelectionWindow : public WizardWindow {
    Q_OBJECT
public:
    explicit SelectionWindow(Wizard& wizard);

protected:
    void onUserClose() override;

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
    void onDriveChosen();
    void onFolderChosen(const QString& path);
    void onFolderChanged(const QString& path);
    void onFileChosen();
    void onConfigure();
    void onPrepare();
    void onGenerate();

    DriveList* driveList = nullptr;
    QLineEdit* folderEdit = nullptr;
    FolderList* folderList = nullptr;
    FileList* fileList = nullptr;
    QLineEdit* albumNameEdit = nullptr;
    QPushButton* aboutButton = nullptr;
    QPushButton* configureButton = nullptr;
    QPushButton* prepareButton = nullptr;
    QPushButton* generateButton = nullptr;
    QPushButton* quitButton = nullptr;
    PhotoView* preview = nullptr;
    // The last folder that could be listed; a refused change returns to it.
    QString shownFolder_;
    // From a successful "Настроить" until another folder is chosen, no other run
    // (a second wizard, photoalbum-make) may work in the source folder.
    FolderLock folderLock_;
};
