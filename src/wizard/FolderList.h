#pragma once

#include "platform/Outcome.h"

#include <QListWidget>

// The folder list: the chain of folders down to the current one, then its
// sub-folders. Activating a line (double click or Enter) asks for that folder
// (folderChosen); the window moves there with setPath. Any change of the path is
// announced (pathChanged).
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent);

    const QString& path() const { return path_; }
    // Moves to the folder. When it cannot be listed the list stays where it was
    // and the outcome says why.
    Outcome setPath(const QString& folder);
    // Moves back without announcing it (used to undo a refused change).
    void restorePath(const QString& folder);

Q_SIGNALS:
    void pathChanged(const QString& path);
    void folderChosen(const QString& path);

private:
    Outcome fill(const QString& folder);

    QString path_;
};
