#include "platform/FolderListing.h"

#include "platform/ErrorText.h"
#include "platform/FileStatus.h"
#include "platform/FsPath.h"

#include <QCoreApplication>
#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

bool hasJpgExtension(const QString& name) {
    return name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive);
}

namespace {

bool isForeignLink(const fs::directory_entry& entry) {
    std::error_code ec;
    if (!entry.is_symlink(ec))
        return false;
    const FileStatus link = linkStatusOf(fromFsPath(entry.path()));
    return link.isSymlink && link.owner != effectiveUser() && link.owner != 0;
}

} // namespace

FolderEntries listFolderEntries(const QString& folder, bool withHidden) {
    FolderEntries result;
    QList<std::pair<QString, FolderEntry>> keyed;
    std::error_code ec;
    fs::directory_iterator it(toFsPath(folder), fs::directory_options::none, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const QString name = fromFsPath(it->path().filename());
        // Dot-files are this platform's hidden files; "." and ".." never reach here.
        if (!withHidden && name.startsWith(QLatin1Char('.')))
            continue;
        // The entry's type comes with the listing; only links need a look of their own.
        std::error_code typeEc;
        const bool isFolder = it->is_directory(typeEc);
        const bool isFile = !isFolder && it->is_regular_file(typeEc);
        keyed.append({name.toUpper(), {name, isFolder, isFile, isForeignLink(*it)}});
    }
    if (ec) {
        result.status = Status::Failed;
        result.message =
            ec == std::errc::no_such_file_or_directory
                ? QCoreApplication::translate("FolderListing", "Папка «%1» не найдена").arg(folder)
                : QCoreApplication::translate("FolderListing",
                                              "Не удалось прочитать папку «%1»: %2")
                      .arg(folder, describeError(ec));
        return result;
    }
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.name < b.second.name;
    });
    result.value.reserve(keyed.size());
    for (const auto& [key, entry] : keyed)
        result.value.append(entry);
    return result;
}

QStringList photoNamesIn(const FolderEntries& listing) {
    QStringList names;
    for (const FolderEntry& entry : listing.value) {
        if (entry.isFile && !entry.foreignLink && hasJpgExtension(entry.name))
            names.append(entry.name);
    }
    return names;
}

QStringList foreignLinkNotes(const QString& folder, const FolderEntries& listing) {
    QStringList notes;
    for (const FolderEntry& entry : listing.value) {
        if (entry.foreignLink && hasJpgExtension(entry.name))
            notes.append(QCoreApplication::translate(
                             "FolderListing",
                             "Файл «%1» — символическая ссылка другого пользователя: "
                             "программа по таким ссылкам не переходит, в альбом он "
                             "не вошёл.")
                             .arg(withTrailingSeparator(folder) + entry.name));
    }
    return notes;
}

FolderListing listPhotoFiles(const QString& folder) {
    const FolderEntries entries = listFolderEntries(folder);
    FolderListing result;
    result.status = entries.status;
    result.message = entries.message;
    if (entries.ok())
        result.value = photoNamesIn(entries);
    return result;
}
