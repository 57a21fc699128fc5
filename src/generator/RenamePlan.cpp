#include "generator/RenamePlan.h"

#include "generator/FolderOfPath.h"
#include "platform/ErrorText.h"
#include "platform/FileStatus.h"
#include "platform/FolderListing.h"
#include "platform/FsPath.h"
#include "state/AlbumLayout.h"

#include <QCoreApplication>
#include <QSet>
#include <cerrno>

namespace {

Result<RenamePlan> refused(const QString& why) {
    return Result<RenamePlan>::failure(
        why + QCoreApplication::translate("RenamePlan", " Альбом не создан, ничего не изменено."));
}

// Renaming a folder needs the right to write into the folder above it, and in a
// folder with the sticky bit (such as /tmp) also that the folder is one's own.
QString whyNotRenamable(const QString& folder, const QString& parent, const QString& ownPath) {
    for (const QString& place : {folder, parent}) {
        const int error = writeAccessError(place);
        if (error == ENOENT)
            return QCoreApplication::translate("RenamePlan", "Папка «%1» не найдена.").arg(place);
        if (error != 0)
            return QCoreApplication::translate("RenamePlan", "Нет прав на запись в папку «%1».")
                .arg(place);
    }
    const FileStatus own = statusOf(ownPath);
    const FileStatus above = statusOf(parent);
    if (!own.exists())
        return QCoreApplication::translate("RenamePlan", "Папка «%1» не найдена.").arg(folder);
    if (own.device != above.device)
        return QCoreApplication::translate(
                   "RenamePlan", "Папка «%1» — корень отдельного диска (точка монтирования): "
                                 "переименовать её нельзя. Оставьте папку без изменений (альбом "
                                 "будет создан внутри неё).")
            .arg(folder);
    const std::uint32_t me = effectiveUser();
    if (above.stickyFolder && me != 0 && own.owner != me && above.owner != me)
        return QCoreApplication::translate(
                   "RenamePlan", "Папку «%1» нельзя переименовать: она принадлежит другому "
                                 "пользователю, а папка «%2» позволяет переименовывать только "
                                 "свои папки. Оставьте папку без изменений (альбом будет создан "
                                 "внутри неё).")
            .arg(folder, parent);
    return {};
}

// The album's name beside the folder belongs to nothing else, in any letter case.
QString whyAlbumNameTaken(const FolderEntries& beside, const QString& parent,
                          const QString& ownName, const QString& albumName) {
    const QString albumKey = caseKey(albumName);
    for (const FolderEntry& entry : beside.value) {
        if (entry.name != ownName && caseKey(entry.name) == albumKey)
            return QCoreApplication::translate(
                       "RenamePlan", "Рядом с исходной папкой уже есть «%1»: папке альбома нельзя "
                                     "дать это имя.")
                .arg(parent + entry.name);
    }
    return {};
}

// The folder takes the album's name, or keeps its own and is written into.
QString whyFolderUnchangeable(const QString& folder, const QString& parent, const QString& ownPath,
                              const QString& albumFolder) {
    if (albumFolder != ownPath)
        return whyNotRenamable(folder, parent, ownPath);
    if (writeAccessError(folder) != 0)
        return QCoreApplication::translate("RenamePlan", "Нет прав на запись в папку «%1».")
            .arg(folder);
    return {};
}

// Every photo, and its thumbnail, with the name it takes in the album.
QList<PhotoRename> albumNames(const AlbumState& state) {
    QList<PhotoRename> renames;
    for (int k = 1; k <= state.photoCount(); ++k) {
        renames.append({state.photo(k).file, {}, photoFileName(k), 0});
        if (state.thumbnails)
            renames.append({state.photo(k).thumbnail, {}, thumbnailFileName(k), 0});
    }
    return renames;
}

// Every name the album will hold must fit in a path the kernel takes.
QString whyPathTooLong(const QList<PhotoRename>& renames, const QString& albumFolder,
                       QChar separator) {
    qsizetype longest = indexPageName().size();
    for (const PhotoRename& r : renames)
        longest = std::max(longest, toFsBytes(bareName(r.from, separator)).size() +
                                        toFsBytes(temporaryNameSuffix()).size() + 2);
    if (toFsBytes(albumFolder).size() + 1 + longest + 1 > maxPathBytes())
        return QCoreApplication::translate(
                   "RenamePlan", "Путь «%1» слишком длинный: файлы альбома в нём нельзя будет "
                                 "открыть.")
            .arg(albumFolder);
    return {};
}

// Each photo is an ordinary file of the folder, in the album once; its inode is
// noted and its path becomes its bare name.
QString whyNotOwnPhotos(QList<PhotoRename>& renames, const QString& folder, QChar separator) {
    QSet<QString> sources;
    for (PhotoRename& r : renames) {
        if (folderOfPath(r.from, separator) != folder)
            return QCoreApplication::translate("RenamePlan",
                                               "Фотография «%1» лежит не в папке «%2».")
                .arg(r.from, folder);
        if (sources.contains(r.from))
            return QCoreApplication::translate("RenamePlan",
                                               "Фотография «%1» стоит в альбоме дважды.")
                .arg(r.from);
        const FileStatus status = linkStatusOf(r.from);
        if (status.isSymlink)
            return QCoreApplication::translate(
                       "RenamePlan", "Фотография «%1» — символическая ссылка, а не файл: после "
                                     "переименования ссылки в альбоме вели бы в никуда. Замените "
                                     "ссылку самой фотографией или оставьте папку без изменений.")
                .arg(r.from);
        if (!status.isFile)
            return QCoreApplication::translate("RenamePlan",
                                               "Фотография «%1» не является обычным файлом.")
                .arg(r.from);
        r.inode = status.inode;
        sources.insert(r.from);
        r.from = bareName(r.from, separator);
    }
    return {};
}

QSet<QString> targetKeys(const QList<PhotoRename>& renames) {
    QSet<QString> targets;
    for (const PhotoRename& r : renames)
        targets.insert(caseKey(r.to));
    return targets;
}

// Names the album writes beside the photos must not belong to anyone else.
QString whyNamesTaken(const FolderEntries& here, const QString& folder, const AlbumState& state,
                      const QList<PhotoRename>& renames) {
    QSet<QString> pageNames = {caseKey(indexPageName())};
    for (int k = 1; k <= state.photoCount(); ++k)
        pageNames.insert(caseKey(photoPageName(k)));
    for (const QString& image : navigationImageNames())
        pageNames.insert(caseKey(image));
    QSet<QString> sources;
    for (const PhotoRename& r : renames)
        sources.insert(r.from);
    const QSet<QString> targets = targetKeys(renames);
    for (const FolderEntry& entry : here.value) {
        const QString key = caseKey(entry.name);
        if (pageNames.contains(key))
            return QCoreApplication::translate(
                       "RenamePlan", "В исходной папке уже есть «%1»: программа не перезаписывает "
                                     "чужие файлы. Уберите его и повторите.")
                .arg(folder + entry.name);
        if (targets.contains(key) && (entry.isFolder || !sources.contains(entry.name)))
            return QCoreApplication::translate(
                       "RenamePlan", "В исходной папке уже есть «%1», не входящий в альбом, а это "
                                     "имя нужно одной из фотографий. Переименуйте его.")
                .arg(folder + entry.name);
    }
    return {};
}

// A photo whose present name the album wants steps aside first, under a name
// nobody uses; a photo that has its album name already stays.
QList<PhotoRename> withTemporaryNames(const QList<PhotoRename>& renames,
                                      const FolderEntries& here) {
    const QSet<QString> targets = targetKeys(renames);
    QSet<QString> present;
    for (const FolderEntry& entry : here.value)
        present.insert(caseKey(entry.name));
    QList<PhotoRename> planned;
    for (PhotoRename r : renames) {
        if (r.from == r.to)
            continue;
        if (targets.contains(caseKey(r.from))) {
            r.temporary = temporaryName(r.from, 1);
            for (int n = 2; present.contains(caseKey(r.temporary)); ++n)
                r.temporary = temporaryName(r.from, n);
            present.insert(caseKey(r.temporary));
        }
        planned.append(r);
    }
    return planned;
}

} // namespace

Result<RenamePlan> planPhotoRenames(const AlbumState& state, QChar separator) {
    const QString folder = state.sourceFolder;
    const QString parent = folderOfPath(folder, separator);
    if (parent.isEmpty())
        return refused(QCoreApplication::translate(
                           "RenamePlan", "Папка «%1» — корень диска: у неё нет папки выше, и "
                                         "переименовать её в альбом нельзя. Оставьте папку без "
                                         "изменений (альбом будет создан внутри неё).")
                           .arg(folder));
    const QString ownPath = withoutTrailingSeparator(folder, separator);
    RenamePlan plan;
    plan.albumFolder = parent + state.albumName;

    const FolderEntries here = listFolderEntries(folder, true);
    if (!here.ok())
        return refused(here.message + QLatin1Char('.'));
    const FolderEntries beside = listFolderEntries(parent, true);
    if (!beside.ok())
        return refused(beside.message + QLatin1Char('.'));
    QList<PhotoRename> renames = albumNames(state);
    QString why = whyAlbumNameTaken(beside, parent, bareName(ownPath, separator), state.albumName);
    if (why.isEmpty())
        why = whyFolderUnchangeable(folder, parent, ownPath, plan.albumFolder);
    if (why.isEmpty())
        why = whyPathTooLong(renames, plan.albumFolder, separator);
    if (why.isEmpty())
        why = whyNotOwnPhotos(renames, folder, separator);
    if (why.isEmpty())
        why = whyNamesTaken(here, folder, state, renames);
    if (!why.isEmpty())
        return refused(why);
    plan.renames = withTemporaryNames(renames, here);
    return Result<RenamePlan>::of(plan);
}
