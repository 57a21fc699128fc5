#pragma once

#include "generator/ProgressSink.h"
#include "generator/WebPhotos.h"

#include <QSemaphore>
#include <QStringList>
#include <functional>

// What the program asks of the web photo library (src/webphotos/): both sides
// are built together, so plain C++ types cross between them.
struct WebPhotoRequest {
    QStringList originals;                  // in album order
    int red = 255, green = 255, blue = 255; // the canvas around a photo
    bool thumbnails = false;
    ProgressSink* progress = nullptr;
    // Asked from any of the library's threads; true ends the run as failed with
    // no message, and the caller says that it was stopped. Null: never stops.
    std::function<bool()> stopRequested;
    // The decode budget of the program's own image code, for the library's
    // decodes to share; null: the library keeps its own.
    QSemaphore* decodeBudget = nullptr;
    // A modern album: each photo is made at the modern widths and as its
    // thumbnails, in JPEG and WebP, and handed to `deliverModern` on the
    // calling thread in album order (k from 1) as soon as it and those before
    // it are made; the set stays empty. False from it ends the run as failed
    // with no message: the caller words its own.
    bool modern = false;
    std::function<bool(int k, ModernPhoto& photo)> deliverModern;
};

// The library's one entry, looked up by name once it is loaded.
using MakeWebPhotosEntry = void (*)(const WebPhotoRequest& request, WebPhotoSet& result);
inline constexpr char MakeWebPhotosEntryName[] = "photoalbumMakeWebPhotos";
