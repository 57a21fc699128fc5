#pragma once

#include "platform/Outcome.h"

#include <QString>

// Whether a typed album name can name a folder; a failure says why not.
// Refused: empty, "." or "..", any of / \ : * ? " < > |, control characters,
// and names longer than a folder name may be.
Outcome checkAlbumName(const QString& name);
