#pragma once

#include "state/AlbumState.h"

#include <QString>

// Lines the index page and the photo pages share.
QString bodyLine(const AlbumState& state);
QString charsetLine();
