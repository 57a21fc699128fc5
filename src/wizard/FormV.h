#pragma once

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
class FormV : public WizardWindow {
    Q_OBJECT
public:
    explicit FormV(Wizard& wizard);

    QString typedAlbumName() const;

protected:
    void onUserClose() override;

private:
    void build();
    void load();
    void onDrive1Change();
    void onDir1Change(const QString& path);
    void onFile1Click();
    void onCommand2Click();
    void onCommand3Click();
    void onCommand4Click();

    DriveList* Drive1 = nullptr;
    QLineEdit* Text1 = nullptr;
    FolderList* Dir1 = nullptr;
    FileList* File1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    PhotoView* Image1 = nullptr;
    // The last folder that could be listed; a refused change returns to it.
    QString shownFolder_;
};
