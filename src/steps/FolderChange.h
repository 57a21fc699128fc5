#pragma once

#include "platform/Outcome.h"
#include "state/AlbumState.h"

#include <QString>

// The selection window's folder change: sourceFolder becomes the folder with its
// trailing separator and folderPhotoCount the number of JPEG files in it, thumbnails
// included and without limit. A folder that cannot be listed leaves the state as
// it was; the outcome then holds the reason.
Outcome changeFolder(AlbumState& state, const QString& folder);
