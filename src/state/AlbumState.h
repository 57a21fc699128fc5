#pragma once

#include "state/BoundedArray.h"

#include <QString>
#include <cstdint>

// Flags hold -1 for true and 0 for false; any non-zero value tests as true.
using Flag = std::int16_t;
inline constexpr Flag FlagTrue = -1;
inline constexpr Flag FlagFalse = 0;
inline constexpr Flag toFlag(bool value) {
    return value ? FlagTrue : FlagFalse;
}

using Count = std::int16_t;
using ColourComponent = std::int32_t;

inline constexpr int MaxPhotos = 40;
inline constexpr int MaxPhotosWithThumbnails = 20;

// Everything the user has chosen so far, shared by every window and the generator.
// Photo k (1..ImageCount) sits at index k of each array; index 0 belongs to no photo.
struct AlbumState {
    BoundedArray<QString, MaxPhotos + 1> OrdinalNames;
    QString AlbumName;
    Count ImageCount = 0;
    Count ThumbCount = 0;
    QString SourceFolder;
    BoundedArray<QString, MaxPhotos + 1> FileNames;
    BoundedArray<QString, MaxPhotosWithThumbnails + 1> ThumbNames;
    BoundedArray<QString, MaxPhotos + 1> PhotoTitles;
    BoundedArray<QString, MaxPhotos + 1> PhotoComments;
    Flag UseFileNameAsComment = FlagFalse;
    Flag NoThumbnails = FlagFalse;
    Flag KeepSourceFolder = FlagFalse;
    QString AlbumFolder;
    ColourComponent BackRed = 0;
    ColourComponent BackGreen = 0;
    ColourComponent BackBlue = 0;
    QString AlbumDescription;
};

// The description the selection window starts with.
QString defaultAlbumDescription();

// The feminine ordinal word for album position k, 1..40, spelled as the album prints it.
QString ordinalWord(int k);

// What the selection window's load gives the state: the start folder, the
// default description and colour, copy mode and the ordinal words.
void applyStartupDefaults(AlbumState& state, const QString& startFolder);

// What the settings window's load gives the state from its initial check boxes.
void applySettingsDefaults(AlbumState& state);
