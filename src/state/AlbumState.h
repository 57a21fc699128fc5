#pragma once

#include "state/SubscriptOutOfRange.h"

#include <QList>
#include <QString>
#include <cstdint>

using ColourComponent = std::int32_t;

inline constexpr int MaxPhotos = 40;
inline constexpr int MaxPhotosWithThumbnails = 20;
// A modern album has no classic limits: its index shows the photos in pages.
inline constexpr int MaxModernPhotos = 10000;

// One photo of the album: its original, its thumbnail (empty without one; for
// web photos the original, which the thumbnail is made from), and the title
// and comment the pages show.
struct Photo {
    QString file;
    QString thumbnail;
    QString title;
    QString comment;
};

// Everything the user has chosen so far, shared by every window and the generator.
struct AlbumState {
    QString albumName;
    // The name box's text as it stands, kept in step while it is edited: the
    // pages print it (albumName, the folder's name, is taken at «Настроить»).
    QString typedAlbumName;
    QString sourceFolder;
    // The JPEG files the last folder change counted there, thumbnails included
    // and without limit: «Настроить» and «Подготовить» refuse a folder without any.
    int folderPhotoCount = 0;
    // The album's photos in album order, at most 40 (20 with thumbnails; a
    // modern album MaxModernPhotos): the limits are kept where photos are taken. Position k
    // (1-based) is the k-th page and the k-th word of the list ("Первая", …).
    QList<Photo> photos;

    int photoCount() const { return static_cast<int>(photos.size()); }
    // Photo k (1-based); outside 1..photoCount() it throws SubscriptOutOfRange.
    Photo& photo(int k);
    const Photo& photo(int k) const;

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
    // A modern album (HTML5, several widths in WebP and JPEG, pages of
    // thumbnails): its photos and thumbnails are made from every photo but the
    // "-m" files, so the thumbnail and web photo options stay off. Copy mode only.
    bool modernAlbum = false;
    QString albumFolder;
    ColourComponent backgroundRed = 0;
    ColourComponent backgroundGreen = 0;
    ColourComponent backgroundBlue = 0;
    QString description;
};

// The description the selection window starts with.
QString defaultAlbumDescription();

// The feminine ordinal word for album position k, 1..40, spelled as the album
// prints it; outside 1..40 it throws SubscriptOutOfRange.
QString ordinalWord(int k);

// What the selection window's load gives the state: the start folder, the
// default description and colour, copy mode and no photos.
void applyStartupDefaults(AlbumState& state, const QString& startFolder);

// What the settings window's load gives the state from its initial check boxes.
void applySettingsDefaults(AlbumState& state);
