#include "steps/ThumbnailScan.h"

#include "platform/FolderListing.h"

namespace {

// The shortest thumbnail name is one character followed by "-m.jpg".
constexpr qsizetype ShortestThumbnailName = 7;

QString withoutExtension(const QString& path) {
    return path.left(path.size() - 4);
}

void pairThumbnails(AlbumState& state) {
    for (int i = 1; i <= state.ImageCount; ++i) {
        const QString wanted = withoutExtension(state.FileNames[i]) + QStringLiteral("-m");
        for (int j = 1; j <= state.ImageCount; ++j) {
            if (withoutExtension(state.ThumbNames[j]) == wanted)
                state.ThumbNames.swapEntries(i, j);
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
    state.NoThumbnails = FlagFalse;
    state.ImageCount = 0;
    state.ThumbCount = 0;

    const FolderListing listing = listPhotoFiles(state.SourceFolder);
    if (!listing.ok) {
        messages.inform(listing.error);
        state.NoThumbnails = FlagTrue;
        return ThumbnailScanOutcome::ListingFailed;
    }

    const QString tooManyPhotos =
        QStringLiteral("Программа может обработать для WEB только 20 изображений");
    for (const QString& name : listing.names) {
        if (name.size() < ShortestThumbnailName) {
            ++state.ImageCount;
            if (state.ImageCount > MaxPhotosWithThumbnails) {
                messages.inform(tooManyPhotos);
                state.ImageCount = MaxPhotosWithThumbnails;
            }
            state.FileNames[state.ImageCount] = state.SourceFolder + name;
        } else if (isThumbnailName(name)) {
            ++state.ThumbCount;
            if (state.ThumbCount > MaxPhotosWithThumbnails) {
                state.ThumbCount = MaxPhotosWithThumbnails;
                messages.inform(
                    QStringLiteral("Программа может обработать для WEB только 20 миниатюр"));
                return ThumbnailScanOutcome::TooManyThumbnails;
            }
            state.ThumbNames[state.ThumbCount] = state.SourceFolder + name;
        } else {
            ++state.ImageCount;
            if (state.ImageCount > MaxPhotosWithThumbnails) {
                messages.inform(tooManyPhotos);
                state.ImageCount = MaxPhotosWithThumbnails;
                break;
            }
            state.FileNames[state.ImageCount] = state.SourceFolder + name;
        }
    }

    if (state.ThumbCount == state.ImageCount && state.ThumbCount != 0) {
        pairThumbnails(state);
        return ThumbnailScanOutcome::Paired;
    }
    messages.inform(QStringLiteral("Проверьте наличие миниатюр и их соответствие главным "
                                   "изображениям в выбранной папке. Найдено: ") +
                    number(state.ImageCount) + QStringLiteral(" - ") + number(state.ThumbCount));
    state.NoThumbnails = FlagTrue;
    return ThumbnailScanOutcome::CountsDiffer;
}
