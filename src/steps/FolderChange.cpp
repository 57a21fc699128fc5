#include "steps/FolderChange.h"

#include "platform/FolderListing.h"
#include "platform/FsPath.h"

#include <limits>

Outcome changeFolder(AlbumState& state, const QString& folder) {
    const QString source = withTrailingSeparator(folder);
    const FolderListing listing = listPhotoFiles(source);
    if (!listing.ok)
        return Outcome::failure(listing.message);
    state.sourceFolder = source;
    // The count has no limit of its own, but it is a 16-bit number.
    const qsizetype maxCount = std::numeric_limits<Count>::max();
    state.photoCount = static_cast<Count>(std::min(listing.names.size(), maxCount));
    return {};
}
