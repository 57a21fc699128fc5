#pragma once

#include "generator/PageText.h"
#include "state/AlbumState.h"

// The web address the index page links to as the program author's site.
extern const QString AuthorSiteAddress;

// The index page "start.htm": the head with the album's name, description and
// notices, one row per photo with its title and small picture, the closing line.
void WriteIndexHead(PageText& page, const AlbumState& state, const QString& typedAlbumName);
void WriteIndexRow(PageText& page, const AlbumState& state, int k);
void WriteIndexClosing(PageText& page);
