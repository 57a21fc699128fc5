#pragma once

#include "state/AlbumState.h"

#include <QByteArray>
#include <QString>

class TestFolder;

// A small real JPEG whose pixels depend on the seed, so that every test photo
// has bytes of its own.
QByteArray makeJpeg(int seed, int width = 64, int height = 48);

// The same photo written progressively, in scans of growing detail.
QByteArray makeProgressiveJpeg(int seed, int width = 64, int height = 48);

// The photo with its last scan cut in half and closed with the end-of-image
// marker: whole in its structure, short of data.
QByteArray cutShort(const QByteArray& jpeg);

// A few hundred bytes of a whole progressive JPEG whose header claims 30000x30000
// pixels: decoding it would take gigabytes.
QByteArray makeDecodeBomb();

// Writes photos with the given names into the folder (relative to it).
void writePhotos(const TestFolder& folder, const QStringList& names);

// An album "Лето" of `count` photos in "/photos", photo k titled "Снимок k" with
// the comment "Комментарий k", ready for the page writers.
AlbumState albumOf(int count, bool thumbnails);
