#pragma once

#include <QComboBox>

// The drive list: the user's home folder first, then the mounted volumes, each
// by the folder it is mounted at (the drive letters on Windows).
class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent);

    // The root folder of the chosen drive, or the home folder.
    QString selectedRoot() const;
    // Shows the drive that holds the folder, without announcing a change.
    void showDriveOf(const QString& folder);
};
