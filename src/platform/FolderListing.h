#pragma once

#include "platform/Outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

// One visible entry of a folder, as the album sees it.
struct FolderEntry {
    QString name;
    bool isFolder = false;
    bool isFile = false;      // an ordinary file (links followed)
    bool foreignLink = false; // a link owned by neither the user nor root
};

// Every visible entry of a folder (files and sub-folders) in a stable order: by
// the upper-cased name (as Windows lists them), ties by the exact name. With
// `withHidden` the dot-entries are listed too (for checks of names in use).
using FolderEntries = Result<QList<FolderEntry>>;
FolderEntries listFolderEntries(const QString& folder, bool withHidden = false);

// The photos of a folder: ordinary files whose names end in ".jpg" in any letter
// case, in the same order. A link another user owns is not followed, as the
// kernel's protected_symlinks would not: it is no photo.
using FolderListing = Result<QStringList>;
FolderListing listPhotoFiles(const QString& folder);
QStringList photoNamesIn(const FolderEntries& listing);

// One note for each link of another user that is named as a photo, saying it
// was left out of the album; `folder` is the listed folder.
QStringList foreignLinkNotes(const QString& folder, const FolderEntries& listing);

// True when a name ends in ".jpg" in any letter case.
bool hasJpgExtension(const QString& name);
