#pragma once

#include <QByteArray>
#include <QString>

class TestFolder;

// A small real JPEG whose pixels depend on the seed, so that every test photo
// has bytes of its own.
QByteArray makeJpeg(int seed, int width = 64, int height = 48);

// Writes photos with the given names into the folder (relative to it).
void writePhotos(const TestFolder& folder, const QStringList& names);
