#pragma once

#include "generator/ProgressSink.h"
#include "platform/FileOps.h"
#include "platform/FsPath.h"
#include "state/AlbumLayout.h"
#include "state/AlbumState.h"

#include <QSemaphore>
#include <QStringList>
#include <functional>

struct GenerationContext {
    // The folder holding the navigation images (the program's own folder).
    QString programFolder;
    ProgressSink* progress = nullptr; // null: no captions
    // Asked between disk operations; true stops the run, and everything done so
    // far is undone (Ctrl-C in the command-line tool). Null: never stops.
    std::function<bool()> stopRequested;
    // The decode budget of the program's own image code, when it has one: the
    // web photos then share it. Null: they keep to a budget of their own.
    QSemaphore* decodeBudget = nullptr;
    // The record that proves a finished album the run's own stays until the
    // caller has reported the album and calls forgetFinishedAlbum(): a run
    // stopped in between is then finished by the same command.
    bool keepFinishedRecord = false;
};

// Turns the prepared album state into an album on disk, in copy mode (a new
// folder inside the source folder) or rename mode (the source folder becomes the
// album). Checks everything it can before the first change; on failure or a stop
// it undoes every change, leaves every photo under its own name and says what
// happened. Copy mode writes the album into a hidden folder of its own and gives
// it the album's name when it is complete; rename mode keeps a journal in the
// user's state folder while it works, so that a run cut short can be put back. Every change
// goes through `files`. The caller holds the source folder's lock (FolderLock)
// for its whole run. Never throws.
Outcome generateAlbum(AlbumState& state, const GenerationContext& context, FileOps& files);
