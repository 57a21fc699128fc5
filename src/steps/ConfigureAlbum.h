#pragma once

#include "platform/MessageSink.h"
#include "state/AlbumState.h"

// The selection window's "Настроить": refuses an empty folder, questions the
// default name, refuses a name that cannot name a folder and a folder left
// half-renamed by an interrupted run, then takes the name
// and lists up to 40 photos into photoFiles. True when the wizard goes on to the
// settings window.
bool configureAlbum(AlbumState& state, const QString& typedName, MessageSink& messages);

// The album name the name box starts with, and which "Настроить" questions.
QString defaultTypedAlbumName();
