#pragma once

#include "platform/FileOps.h"
#include "platform/MessageSink.h"
#include "state/AlbumState.h"

// The selection window's "Настроить", with the folder's lock (FolderLock) held
// by the caller for its whole run: puts back a rename an interrupted run left
// unfinished (sourceFolder then is the folder under its first name, and a note
// says what was done); refuses an empty folder, asks about the default name
// (answered Yes, "go back": declined), refuses a name that cannot name a
// folder, takes away an interrupted copy-mode run's own leftovers (and tells of
// an album a stopped run had finished under that name), then takes
// the name and takes up to 40 photos, whatever the thumbnail and web photo
// options say. Success: the wizard goes on to the settings window.
Outcome configureAlbum(AlbumState& state, const QString& typedName, MessageSink& questions,
                       FileOps& files);

// The album name the name box starts with, and which "Настроить" questions.
QString defaultTypedAlbumName();
