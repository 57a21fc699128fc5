#pragma once

#include <QListWidget>

// The file list: the ordinary files of one folder, all of them or only the
// JPEG photos, in the order the album takes them.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent);

    // Lists the folder; false (and an empty list) when it cannot be read.
    bool showFolder(const QString& folder, bool photosOnly);
    // The bare name of the selected file; empty when none is selected.
    QString selectedName() const;
};
