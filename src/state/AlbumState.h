#pragma once

#include "state/BoundedArray.h"

#include <QString>
#include <cstdint>

using Count = std::int16_t;
using ColourComponent = std::int32_t;

inline constexpr int MaxPhotos = 40;
inline constexpr int MaxPhotosWithThumbnails = 20;

// Everything the user has chosen so far, shared by every window and the generator.
// Photo k (1..photoCount) sits at index k of each array; index 0 belongs to no photo.
struct AlbumState {
    BoundedArray<QString, MaxPhotos + 1> ordinalNames;
    QString albumName;
    // The name box's text as it stands, kept in step while it is edited: the
    // pages print it (albumName, the folder's name, is taken at «Настроить»).
    QString typedAlbumName;
    Count photoCount = 0;
    Count thumbnailCount = 0;
    QString sourceFolder;
    BoundedArray<QString, MaxPhotos + 1> photoFiles;
    BoundedArray<QString, MaxPhotosWithThumbnails + 1> thumbnailFiles;
    BoundedArray<QString, MaxPhotos + 1> titles;
    BoundedArray<QString, MaxPhotos + 1> comments;
    // Titles and comments come from the file names "Название#Комментарий.jpg".
    bool titlesFromFileNames = false;
    // Until the settings window first loads, the record says "with thumbnails",
    // as a zero-filled record did; the window's load switches the option off.
    bool thumbnails = true;
    // Copy mode: the album is made in a new folder inside the source folder.
    // Rename mode (false): the source folder itself becomes the album.
    bool keepSourceFolder = false;
    // Web photos: every album photo (and thumbnail) is made from its original at
    // the size the pages show it; "-m" files in the folder are left alone.
    bool webPhotos = false;
    QString albumFolder;
    ColourComponent backgroundRed = 0;
    ColourComponent backgroundGreen = 0;
    ColourComponent backgroundBlue = 0;
    QString description;
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
