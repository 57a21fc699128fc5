#include "generator/RenamePlan.h"

#include "generator/FolderOfPath.h"
#include "generator/GenerateAlbum.h"
#include "platform/ErrorText.h"
#include "platform/FileStatus.h"
#include "platform/FolderListing.h"
#include "platform/FsPath.h"
#include "steps/InterruptedRun.h"

#include <QSet>
#include <cerrno>

namespace {

QString nameKey(const QString& name) {
    return name.toUpper();
}

RenamePlan refused(const QString& why) {
    RenamePlan plan;
    plan.ok = false;
    plan.message = why + QStringLiteral(" Альбом не создан, ничего не изменено.");
    return plan;
}

// Renaming a folder needs the right to write into the folder above it, and in a
// folder with the sticky bit (such as /tmp) also that the folder is one's own.
QString whyNotRenamable(const QString& folder, const QString& parent, const QString& ownPath) {
    for (const QString& place : {folder, parent}) {
        const int error = writeAccessError(place);
        if (error == ENOENT)
            return QStringLiteral("Папка «%1» не найдена.").arg(place);
        if (error != 0)
            return QStringLiteral("Нет прав на запись в папку «%1».").arg(place);
    }
    const FileStatus own = statusOf(ownPath);
    const FileStatus above = statusOf(parent);
    if (!own.exists())
        return QStringLiteral("Папка «%1» не найдена.").arg(folder);
    if (own.device != above.device)
        return QStringLiteral("Папка «%1» — корень отдельного диска (точка монтирования): "
                              "переименовать её нельзя. Оставьте папку без изменений (альбом "
                              "будет создан внутри неё).")
            .arg(folder);
    const std::uint32_t me = effectiveUser();
    if (above.stickyFolder && me != 0 && own.owner != me && above.owner != me)
        return QStringLiteral("Папку «%1» нельзя переименовать: она принадлежит другому "
                              "пользователю, а папка «%2» позволяет переименовывать только "
                              "свои папки. Оставьте папку без изменений (альбом будет создан "
                              "внутри неё).")
            .arg(folder, parent);
    return {};
}

} // namespace

RenamePlan planPhotoRenames(const AlbumState& state, QChar separator) {
    RenamePlan plan;
    const QString folder = state.sourceFolder;

    const QString parent = folderOfPath(folder, separator);
    if (parent.isEmpty()) {
        return refused(QStringLiteral("Папка «%1» — корень диска: у неё нет папки выше, и "
                                      "переименовать её в альбом нельзя. Оставьте папку "
                                      "без изменений (альбом будет создан внутри неё).")
                           .arg(folder));
    }
    const QString ownPath = folder.left(folder.size() - 1);
    const QString ownName = bareName(ownPath, separator);
    plan.albumFolder = parent + state.albumName;

    const FolderEntries here = listFolderEntries(folder, true);
    if (!here.ok) {
        return refused(here.message + QLatin1Char('.'));
    }
    const FolderEntries beside = listFolderEntries(parent, true);
    if (!beside.ok) {
        return refused(beside.message + QLatin1Char('.'));
    }
    for (const FolderEntry& entry : beside.entries) {
        if (entry.name != ownName && sameNameIgnoringCase(entry.name, state.albumName)) {
            return refused(QStringLiteral("Рядом с исходной папкой уже есть «%1»: папке "
                                          "альбома нельзя дать это имя.")
                               .arg(parent + entry.name));
        }
    }
    if (plan.albumFolder != ownPath) {
        if (const QString why = whyNotRenamable(folder, parent, ownPath); !why.isEmpty())
            return refused(why);
    } else if (writeAccessError(folder) != 0) {
        return refused(QStringLiteral("Нет прав на запись в папку «%1».").arg(folder));
    }

    for (int k = 1; k <= state.photoCount(); ++k) {
        plan.renames.append({state.photo(k).file, {}, QStringLiteral("n%1.jpg").arg(k), 0});
        if (state.thumbnails)
            plan.renames.append(
                {state.photo(k).thumbnail, {}, QStringLiteral("n%1-m.jpg").arg(k), 0});
    }

    // Every name the album will hold must fit in a path the kernel takes.
    qsizetype longest = QStringLiteral("start.htm").size();
    for (const PhotoRename& r : plan.renames)
        longest = std::max(longest, toFsBytes(bareName(r.from, separator)).size() +
                                        toFsBytes(temporaryNameSuffix()).size() + 2);
    if (toFsBytes(plan.albumFolder).size() + 1 + longest + 1 > maxPathBytes())
        return refused(QStringLiteral("Путь «%1» слишком длинный: файлы альбома в нём нельзя "
                                      "будет открыть.")
                           .arg(plan.albumFolder));

    // Names the album writes beside the photos: they must not belong to anyone else.
    QSet<QString> sources;
    QSet<QString> targets;
    for (PhotoRename& r : plan.renames) {
        if (folderOfPath(r.from, separator) != folder) {
            return refused(
                QStringLiteral("Фотография «%1» лежит не в папке «%2».").arg(r.from, folder));
        }
        if (sources.contains(r.from)) {
            return refused(QStringLiteral("Фотография «%1» стоит в альбоме дважды.").arg(r.from));
        }
        const FileStatus status = linkStatusOf(r.from);
        if (status.isSymlink)
            return refused(QStringLiteral("Фотография «%1» — символическая ссылка, а не файл: "
                                          "после переименования ссылки в альбоме вели бы в "
                                          "никуда. Замените ссылку самой фотографией или "
                                          "оставьте папку без изменений.")
                               .arg(r.from));
        if (!status.isFile)
            return refused(
                QStringLiteral("Фотография «%1» не является обычным файлом.").arg(r.from));
        r.inode = status.inode;
        sources.insert(r.from);
        r.from = bareName(r.from, separator);
        targets.insert(nameKey(r.to));
    }
    QSet<QString> pageNames = {nameKey(QStringLiteral("start.htm"))};
    for (int k = 1; k <= state.photoCount(); ++k)
        pageNames.insert(nameKey(QStringLiteral("n%1.htm").arg(k)));
    for (const QString& image : navigationImageNames())
        pageNames.insert(nameKey(image));

    QSet<QString> present;
    for (const FolderEntry& entry : here.entries) {
        const QString path = folder + entry.name;
        const QString key = nameKey(entry.name);
        present.insert(key);
        if (pageNames.contains(key)) {
            return refused(QStringLiteral("В исходной папке уже есть «%1»: программа не "
                                          "перезаписывает чужие файлы. Уберите его и "
                                          "повторите.")
                               .arg(path));
        }
        if (targets.contains(key) && (entry.isFolder || !sources.contains(path))) {
            return refused(QStringLiteral("В исходной папке уже есть «%1», не входящий в "
                                          "альбом, а это имя нужно одной из фотографий. "
                                          "Переименуйте его.")
                               .arg(path));
        }
    }

    // A photo whose present name is wanted by the album steps aside first, under
    // a name nobody uses.
    QList<PhotoRename> planned;
    for (PhotoRename r : plan.renames) {
        if (r.from == r.to)
            continue;
        if (targets.contains(nameKey(r.from))) {
            r.temporary = r.from + temporaryNameSuffix();
            for (int n = 2; present.contains(nameKey(r.temporary)); ++n)
                r.temporary = r.from + QStringLiteral(".%1").arg(n) + temporaryNameSuffix();
            present.insert(nameKey(r.temporary));
        }
        planned.append(r);
    }
    plan.renames = planned;
    return plan;
}
