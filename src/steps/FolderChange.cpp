#include "steps/FolderChange.h"

#include "platform/FolderListing.h"
#include "platform/FsPath.h"

#include <limits>

Outcome changeFolder(AlbumState& state, const QString& folder) {
    const QString source = withTrailingSeparator(folder);
    const FolderListing listing = listPhotoFiles(source);
    if (!listing.ok())
        return Outcome::failure(listing.message);
    state.sourceFolder = source;
    state.folderPhotoCount = static_cast<int>(listing.value.size());
    return {};
}
