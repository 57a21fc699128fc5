#pragma once

#include "state/AlbumState.h"

#include <QString>

// A value in double quotes, as attribute values stand in the pages.
QString quoted(const QString& value);

// Lines the index page and the photo pages share.
QString bodyLine(const AlbumState& state);
QString charsetLine();
