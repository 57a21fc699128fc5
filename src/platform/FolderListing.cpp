#include "platform/FolderListing.h"

#include "platform/ErrorText.h"
#include "platform/FsPath.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool isHidden(const QString& name) {
    // Dot-files are this platform's hidden files; "." and ".." never reach here.
    return name.startsWith(QLatin1Char('.'));
}

QString listingError(const QString& folder, const std::error_code& ec) {
    return QStringLiteral("Не удалось прочитать папку «%1»: %2").arg(folder, describeError(ec));
}

} // namespace

bool hasJpgExtension(const QString& name) {
    return name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
}

bool sameNameIgnoringCase(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0 || a.toUpper() == b.toUpper();
}

void sortLikeListing(QStringList& names) {
    QList<std::pair<QString, QString>> keyed;
    keyed.reserve(names.size());
    for (const QString& name : names)
        keyed.append({name.toUpper(), name});
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < keyed.size(); ++i)
        names[i] = keyed[i].second;
}

FolderListing listPhotoFiles(const QString& folder) {
    FolderListing result;
    std::error_code ec;
    fs::directory_iterator it(toFsPath(folder), fs::directory_options::none, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const QString name = fromFsPath(it->path().filename());
        if (isHidden(name) || !hasJpgExtension(name))
            continue;
        std::error_code typeEc;
        if (!it->is_regular_file(typeEc))
            continue;
        result.names.append(name);
    }
    if (ec) {
        result.ok = false;
        result.error = listingError(folder, ec);
        result.names.clear();
        return result;
    }
    sortLikeListing(result.names);
    return result;
}

FolderEntries listFolderEntries(const QString& folder) {
    FolderEntries result;
    std::error_code ec;
    QStringList names;
    QList<FolderEntry> entries;
    fs::directory_iterator it(toFsPath(folder), fs::directory_options::none, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const QString name = fromFsPath(it->path().filename());
        if (isHidden(name))
            continue;
        std::error_code typeEc;
        entries.append({name, it->is_directory(typeEc)});
    }
    if (ec) {
        result.ok = false;
        result.error = listingError(folder, ec);
        return result;
    }
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        const QString ua = a.name.toUpper(), ub = b.name.toUpper();
        return ua != ub ? ua < ub : a.name < b.name;
    });
    result.entries = entries;
    return result;
}
