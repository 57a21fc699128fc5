#include "wizard/FileList.h"

#include "platform/FolderListing.h"

#include <QSignalBlocker>

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

bool FileList::showFolder(const QString& folder, bool photosOnly) {
    QStringList names;
    bool ok = true;
    if (photosOnly) {
        const FolderListing listing = listPhotoFiles(folder);
        ok = listing.ok();
        names = listing.value;
    } else {
        const FolderEntries listing = listFolderEntries(folder);
        ok = listing.ok();
        for (const FolderEntry& entry : listing.value) {
            if (!entry.isFolder)
                names.append(entry.name);
        }
    }
    // Refilling is not a click on a file.
    const QSignalBlocker quiet(this);
    clear();
    addItems(names);
    setCurrentRow(-1);
    return ok;
}

QString FileList::selectedName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}
