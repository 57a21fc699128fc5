#include "steps/ThumbnailScan.h"

#include "platform/FolderListing.h"
#include "steps/WebPhotoScan.h"

namespace {

// The shortest thumbnail name is one character followed by "-m.jpg".
constexpr qsizetype ShortestThumbnailName = 7;

QString withoutExtension(const QString& path) {
    return path.left(path.size() - 4);
}

void pairThumbnails(AlbumState& state) {
    for (int i = 1; i <= state.photoCount; ++i) {
        const QString wanted = withoutExtension(state.photoFiles[i]) + QStringLiteral("-m");
        for (int j = 1; j <= state.photoCount; ++j) {
            if (withoutExtension(state.thumbnailFiles[j]) == wanted)
                state.thumbnailFiles.swapEntries(i, j);
        }
    }
}

QString number(int value) {
    return QStringLiteral(" ") + QString::number(value);
}

} // namespace

bool isThumbnailName(const QString& name) {
    if (name.size() < ShortestThumbnailName)
        return false;
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    // A first dot in place 1 or 2 leaves no two characters before it: a photo.
    if (dot < 2)
        return false;
    return name.mid(dot - 2, 2) == QLatin1String("-m");
}

ThumbnailScanOutcome scanThumbnails(AlbumState& state, MessageSink& messages) {
    state.thumbnails = true;
    if (state.webPhotos) {
        // Thumbnails are made from the photos: there is nothing to pair.
        const Outcome scanned = scanWebPhotos(state, messages);
        if (scanned)
            return ThumbnailScanOutcome::Paired;
        messages.inform(scanned.message);
        state.thumbnails = false;
        return ThumbnailScanOutcome::ListingFailed;
    }
    state.photoCount = 0;
    state.thumbnailCount = 0;

    const FolderListing listing = listPhotoFiles(state.sourceFolder);
    if (!listing.ok) {
        messages.inform(listing.message);
        state.thumbnails = false;
        return ThumbnailScanOutcome::ListingFailed;
    }

    const QString tooManyPhotos =
        QStringLiteral("Программа может обработать для WEB только 20 изображений");
    // The photo limit is told once a scan, however many photos are over it.
    bool toldTooManyPhotos = false;
    for (const QString& name : listing.names) {
        if (name.size() < ShortestThumbnailName) {
            ++state.photoCount;
            if (state.photoCount > MaxPhotosWithThumbnails) {
                if (!toldTooManyPhotos)
                    messages.inform(tooManyPhotos);
                toldTooManyPhotos = true;
                state.photoCount = MaxPhotosWithThumbnails;
            }
            state.photoFiles[state.photoCount] = state.sourceFolder + name;
        } else if (isThumbnailName(name)) {
            ++state.thumbnailCount;
            if (state.thumbnailCount > MaxPhotosWithThumbnails) {
                state.thumbnailCount = MaxPhotosWithThumbnails;
                messages.inform(
                    QStringLiteral("Программа может обработать для WEB только 20 миниатюр"));
                // Unpaired thumbnails would go to the wrong photos: none are used.
                state.thumbnails = false;
                return ThumbnailScanOutcome::TooManyThumbnails;
            }
            state.thumbnailFiles[state.thumbnailCount] = state.sourceFolder + name;
        } else {
            ++state.photoCount;
            if (state.photoCount > MaxPhotosWithThumbnails) {
                if (!toldTooManyPhotos)
                    messages.inform(tooManyPhotos);
                state.photoCount = MaxPhotosWithThumbnails;
                break;
            }
            state.photoFiles[state.photoCount] = state.sourceFolder + name;
        }
    }

    if (state.thumbnailCount == state.photoCount && state.thumbnailCount != 0) {
        pairThumbnails(state);
        return ThumbnailScanOutcome::Paired;
    }
    messages.inform(QStringLiteral("Проверьте наличие миниатюр и их соответствие главным "
                                   "изображениям в выбранной папке. Найдено: ") +
                    number(state.photoCount) + QStringLiteral(" - ") +
                    number(state.thumbnailCount));
    state.thumbnails = false;
    return ThumbnailScanOutcome::CountsDiffer;
}
