#pragma once

#include "state/AlbumState.h"
#include "state/ModernLayout.h"

#include <QByteArray>
#include <QList>

// The files of a modern album's pages, in UTF-8 with LF line ends. `images`
// holds what exists of every photo, photo k at k - 1.

// How many index pages an album of that many photos has: at least one.
int modernIndexPageCount(int photoCount);

// Index page p: the album's name and description, a grid of thumbnails with
// their titles, the links to the other index pages.
QByteArray modernIndexPage(const AlbumState& state, const QList<PhotoImages>& images, int p);

// The page of photo k: the photo as large as the window allows, its title,
// comment and place, the links to the index and the first, previous and next photo.
QByteArray modernPhotoPage(const AlbumState& state, const QList<PhotoImages>& images, int k);

// The page the wizard opens, start.htm, which sends the browser to the index.
QByteArray modernEntryPage(const AlbumState& state);

// The album's style sheet, its background colour in the light scheme.
QByteArray modernStyleSheet(const AlbumState& state);

// The album's script: keys, swipes and loading the next photo ahead.
QByteArray modernScript();
