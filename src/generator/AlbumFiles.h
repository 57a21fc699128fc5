#pragma once

#include "generator/GenerateAlbum.h"
#include "generator/WebPhotos.h"

#include <QStringList>

// What both kinds of run share: the pages, the navigation images and the album's
// photos written into a folder through the file operations, each file made
// remembered so that a failed run can take it away again, the progress captions
// and the stop the user may ask for between two steps.
class AlbumFiles {
public:
    AlbumFiles(const AlbumState& state, const GenerationContext& context, FileOps& files)
        : state_(state), context_(context), files_(files) {}

    FileOps& disk() const { return files_; }
    bool stopRequested() const { return context_.stopRequested && context_.stopRequested(); }
    void progress(const QString& text, int pauseMs) const;

    // "<what> «<path>»: <reason>."
    static Outcome failed(const QString& what, const QString& path, const Outcome& result);

    // A new file (made from a photo with those readers, when given), or a copy
    // of one; a stop asked for fails the step before it.
    Outcome write(const QString& path, const QByteArray& bytes,
                  const PhotoReaders* readers = nullptr);
    Outcome copy(const QString& from, const QString& to);

    // Every photo and thumbnail as nK.jpg and nK-m.jpg in `folder` (ending in a
    // separator): copied from the original or, with web photos, written as made.
    Outcome placePhotos(const QString& folder, const WebPhotoSet& web);
    Outcome copyNavigationImages(const QString& folder);
    // start.htm and one page per photo.
    Outcome writePages(const QString& folder);

    // A modern album's images, each photo's written as soon as it is made,
    // then its pages, style sheet, script and start.htm.
    Outcome placeModernPhotos(const QString& folder);
    Outcome writeModernPages(const QString& folder);

    // Removes the files made so far, newest first, and then `folder`; a
    // sentence naming those that stay, or an empty string.
    QString removeMadeFiles(const QString& folder);

private:
    Outcome placePhoto(int k, bool thumbnail, const QString& target, const WebPhotoSet& web);

    const AlbumState& state_;
    const GenerationContext& context_;
    FileOps& files_;
    QStringList made_;
    // What placeModernPhotos made of each photo, photo k at k - 1.
    QList<PhotoImages> modernImages_;
};
