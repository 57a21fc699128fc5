#pragma once

#include "generator/PageText.h"
#include "state/AlbumState.h"

// The web address the index page links to as the program author's site.
extern const QString authorSiteAddress;

// The index page "start.htm": the head with the album's name, description and
// notices, one row per photo with its title and small picture, the closing line.
void writeIndexHead(PageText& page, const AlbumState& state);
void writeIndexRow(PageText& page, const AlbumState& state, int k);
void writeIndexClosing(PageText& page);
