#pragma once

#include "platform/MessageSink.h"
#include "state/AlbumState.h"

enum class ThumbnailScanOutcome {
    Paired,            // counts agree: every photo has its thumbnail slot, option stays on
    CountsDiffer,      // message shown, thumbnails is off: the option must be switched off
    TooManyThumbnails, // more than 20 thumbnails: message shown, thumbnails is off
    ListingFailed,     // the folder could not be read: message shown, thumbnails is off
};

// The settings window's thumbnail option being ticked: separates photos from
// thumbnails (names with "-m" just before the first dot), keeps the limits of 20
// and pairs each photo with its thumbnail. With web photos it is scanWebPhotos
// instead (Paired, or ListingFailed with its message shown).
ThumbnailScanOutcome scanThumbnails(AlbumState& state, MessageSink& messages);

// True for a file name the scan takes as a thumbnail.
bool isThumbnailName(const QString& name);
