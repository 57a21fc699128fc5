#pragma once

#include "platform/Outcome.h"
#include "state/AlbumState.h"

// Titles and comments come from the file names when that option is on and the
// album has no thumbnails.
bool isParseMode(const AlbumState& state);

// "Название#Комментарий.jpg": the title before the first "#", the comment after
// it without the last four characters. Without "#" the title is the ordinal word
// of the position and the comment the name without its last four characters.
void titleAndCommentFromName(const QString& name, const QString& ordinal, QString& title,
                             QString& comment);

// The preparation window's load in parse mode: chooses the photos again
// (choosePhotos(), keeping the album's order while they are the same photos)
// and fills every title and comment from the photo's own file name, so that
// titles stay with their photos after the order has been changed. Fails when
// the choice fails; the only note is the limit that left photos out.
Outcome loadTitlesFromNames(AlbumState& state);

// The same titles and comments for photos just chosen, still in listing order.
void takeTitlesFromNames(AlbumState& state);
