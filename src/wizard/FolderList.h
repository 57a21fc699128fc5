#pragma once

#include <QListWidget>

// The folder list: the chain of folders down to the current one, then its
// sub-folders. Activating a line (double click or Enter) makes that folder the
// current one. Any change of the path, by the user or by code, is announced.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent);

    const QString& path() const { return path_; }
    // Moves to the folder. When it cannot be listed the list stays where it was,
    // listingFailed tells why and the result is false.
    bool setPath(const QString& folder);
    // Moves back without announcing it (used to undo a refused change).
    void restorePath(const QString& folder);

Q_SIGNALS:
    void pathChanged(const QString& path);
    void listingFailed(const QString& reason);

private:
    bool fill(const QString& folder, QString* error);

    QString path_;
};
