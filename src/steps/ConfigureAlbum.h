#pragma once

#include "platform/FileOps.h"
#include "platform/MessageSink.h"
#include "state/AlbumState.h"

// The selection window's "Настроить", with the folder's lock (FolderLock) held
// by the caller for its whole run: puts back a rename an
// interrupted run left unfinished (sourceFolder then is the folder under its
// first name, and a message says what was done); refuses an empty folder,
// questions the default name, refuses a name that cannot name a folder, takes
// away an interrupted copy-mode run's own leftovers, then takes the name and
// lists up to 40 photos into photoFiles. True when the wizard goes on to the
// settings window.
bool configureAlbum(AlbumState& state, const QString& typedName, MessageSink& messages,
                    FileOps& files);

// The album name the name box starts with, and which "Настроить" questions.
QString defaultTypedAlbumName();

// The album's photos become the named files of the source folder, in their
// order, up to 40; more are left out with one message.
void takePhotos(AlbumState& state, const QStringList& names, MessageSink& messages);

QString noPhotosMessage();
QString tooManyPhotosMessage();
