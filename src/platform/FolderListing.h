#pragma once

#include <QString>
#include <QStringList>

// What a folder holds, as the album sees it.
struct FolderListing {
    bool ok = true;
    QString error; // why the folder could not be listed, in the interface's language
    QStringList names;
};

// Ordinary, non-hidden files whose names end in ".jpg" in any letter case, in a
// stable order: by the upper-cased name (as Windows lists them), ties by the exact name.
FolderListing listPhotoFiles(const QString& folder);

// Every visible entry of the folder (files and sub-folders) in the same order.
struct FolderEntry {
    QString name;
    bool isFolder = false;
};
struct FolderEntries {
    bool ok = true;
    QString error;
    QList<FolderEntry> entries;
};
FolderEntries listFolderEntries(const QString& folder);

// True when a name ends in ".jpg" in any letter case.
bool hasJpgExtension(const QString& name);

// Orders names as the photo listing does.
void sortLikeListing(QStringList& names);

// Case-insensitive name comparison, as FAT, exFAT and NTFS compare names.
bool sameNameIgnoringCase(const QString& a, const QString& b);
