#pragma once

#include "platform/FsPath.h"

#include <QSize>
#include <QString>
#include <QStringList>

// What an album folder is made of, by name and size, and the rules its names
// follow. Pages, runs, journal checks and recovery all take them from here.

// The photo, thumbnail and page of album place k (1-based), and the index page.
QString photoFileName(int k);
QString thumbnailFileName(int k);
QString photoPageName(int k);
QString indexPageName();

// The navigation images every album holds: the buttons to the previous page,
// the next page and the index page.
QString backImageName();
QString forwardImageName();
QString homeImageName();
// The three in the order they are copied.
const QStringList& navigationImageNames();

// The sizes the pages show a photo and the index page its picture at; web
// photos and thumbnails are made at them.
inline constexpr QSize PagePhotoSize(600, 410);
inline constexpr QSize PageThumbnailSize(150, 105);

// Every hidden file and folder the program makes in a photo folder begins so.
QString serviceNamePrefix();

// Copy mode writes the album into this hidden folder inside the source folder
// and gives it the album's name when it is complete; the mark inside tells that
// the folder is this program's.
QString partFolderName();
QString partMarkName();

// Rename mode moves a photo whose present name another photo needs aside under
// its own name plus this ending; when that is taken too, the n-th try (n >= 2)
// puts ".n" before the ending.
QString temporaryNameSuffix();
QString temporaryName(const QString& name, int n);
bool isTemporaryNameOf(const QString& temporary, const QString& name);

// A journal found in a photo folder under this name is never acted on: anyone
// who could write there could have put it there.
QString folderJournalName();

// Any file of an album, classic or modern, whatever its number of photos: what a copy-mode folder
// left by an interrupted run may hold besides its mark.
bool isAlbumFileName(const QString& name);
// A page or navigation image of an album of at most 40 photos: what a
// rename-mode run creates.
bool isCreatedName(const QString& name);
// A photo or thumbnail name of an album of at most 40 photos: what a rename-mode
// run renames photos to.
bool isAlbumPhotoName(const QString& name);

// Two names that differ only in letter case name one file on the disks albums
// are carried on (FAT, exFAT, NTFS): their keys are equal.
QString caseKey(const QString& name);

// The folder's path without its trailing separators; the root keeps its own.
QString withoutTrailingSeparator(const QString& folder, QChar separator = nativeSeparator());
