#pragma once

#include "platform/Outcome.h"

#include <QString>

// Whether a typed album name can name a folder; a failure says why not.
// Refused: empty, "." or "..", any of / \ : * ? " < > |, control characters
// (C0, C1 and bidi), names of the program's own files in any letter case, and
// names longer than a folder name may be.
Outcome checkAlbumName(const QString& name);
