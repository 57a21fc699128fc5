#pragma once

#include "generator/ProgressSink.h"
#include "platform/FileOps.h"
#include "platform/FsPath.h"
#include "state/AlbumState.h"

#include <QStringList>

struct GenerationContext {
    // The text of the selection window's album-name box at the moment of writing.
    QString typedAlbumName;
    // The folder holding the navigation images (the program's own folder).
    QString programFolder;
    ProgressSink* progress = nullptr; // null: no captions
    FileOps* files = nullptr;         // null: the real file system
    QChar separator = nativeSeparator();
};

// Turns the prepared album state into an album on disk, in copy mode (a new
// folder inside the source folder) or rename mode (the source folder becomes the
// album). Checks everything it can before the first change; on failure it stops,
// leaves every photo in place and says what happened. Never throws.
Outcome generateAlbum(AlbumState& state, const GenerationContext& context);

// The three navigation images every album holds.
const QStringList& navigationImageNames();
