#include "generator/RenamePlan.h"

#include "generator/FolderOfPath.h"
#include "generator/GenerateAlbum.h"
#include "platform/FolderListing.h"
#include "platform/FsPath.h"
#include "steps/InterruptedRun.h"

#include <QFileInfo>
#include <QSet>

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

} // namespace

RenamePlan planPhotoRenames(const AlbumState& state, QChar separator) {
    RenamePlan plan;
    const QString folder = state.sourceFolder;
    plan.folder = folder;

    const QString parent = folderOfPath(folder, separator);
    if (parent.isEmpty()) {
        return refused(QStringLiteral("Папка «%1» — корень диска: у неё нет папки выше, и "
                                      "переименовать её в альбом нельзя. Оставьте папку "
                                      "без изменений (альбом будет создан внутри неё).")
                           .arg(folder));
    }
    const QString ownName = bareName(folder.left(folder.size() - 1), separator);

    const FolderEntries here = listFolderEntries(folder);
    if (!here.ok) {
        return refused(here.message + QLatin1Char('.'));
    }
    const FolderEntries beside = listFolderEntries(parent);
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
    for (const QString& place : {folder, parent}) {
        if (!QFileInfo(place).isWritable()) {
            return refused(QStringLiteral("Нет прав на запись в папку «%1».").arg(place));
        }
    }

    for (int k = 1; k <= state.photoCount; ++k) {
        plan.renames.append(
            {state.photoFiles[k],
             folderOfPath(state.photoFiles[k], separator) + QStringLiteral("n%1.jpg").arg(k),
             {}});
        if (state.thumbnails)
            plan.renames.append(
                {state.thumbnailFiles[k], folder + QStringLiteral("n%1-m.jpg").arg(k), {}});
    }

    // Names the album writes beside the photos: they must not belong to anyone else.
    QSet<QString> sources;
    QSet<QString> targets;
    for (const PhotoRename& r : plan.renames) {
        if (folderOfPath(r.from, separator) != folder) {
            return refused(
                QStringLiteral("Фотография «%1» лежит не в папке «%2».").arg(r.from, folder));
        }
        if (sources.contains(r.from)) {
            return refused(QStringLiteral("Фотография «%1» стоит в альбоме дважды.").arg(r.from));
        }
        sources.insert(r.from);
        targets.insert(nameKey(bareName(r.to, separator)));
    }
    QSet<QString> pageNames = {nameKey(QStringLiteral("start.htm"))};
    for (int k = 1; k <= state.photoCount; ++k)
        pageNames.insert(nameKey(QStringLiteral("n%1.htm").arg(k)));
    for (const QString& image : navigationImageNames())
        pageNames.insert(nameKey(image));

    // Temporary names first: they tell the most about what happened here.
    if (const Outcome leftovers = checkNoLeftovers(folder, here); !leftovers) {
        plan.ok = false;
        plan.message = leftovers.message;
        return plan;
    }
    for (const FolderEntry& entry : here.entries) {
        const QString path = folder + entry.name;
        const QString key = nameKey(entry.name);
        if (pageNames.contains(key)) {
            return refused(QStringLiteral("В исходной папке уже есть «%1»: программа не "
                                          "перезаписывает чужие файлы. Если это след "
                                          "прерванного прошлого запуска, уберите его и "
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

    // A photo whose present name is wanted by the album steps aside first.
    QList<PhotoRename> planned;
    for (PhotoRename r : plan.renames) {
        if (r.from == r.to)
            continue;
        if (targets.contains(nameKey(bareName(r.from, separator))))
            r.temporary = r.from + temporaryNameSuffix();
        planned.append(r);
    }
    plan.renames = planned;
    return plan;
}

Outcome carryOutRenames(const RenamePlan& plan, FileOps& files, bool& renamedAny) {
    const int total = static_cast<int>(plan.renames.size());
    int done = 0;
    int aside = 0;
    // A photo has left its old name once it stands aside or has its new name.
    auto stopped = [&](const QString& from, const QString& to, const Outcome& result) {
        renamedAny = done > 0 || aside > 0;
        if (!renamedAny)
            return Outcome::failure(QStringLiteral("Не удалось переименовать «%1» в «%2»: %3. "
                                                   "Фотографии не переименованы, папка «%4» "
                                                   "осталась без изменений.")
                                        .arg(from, to, result.message, plan.folder));
        QString message = QStringLiteral("Не удалось переименовать «%1» в «%2»: %3. Новые имена "
                                         "получили %4 из %5 файлов; остальные остались в папке "
                                         "«%6» под прежними именами")
                              .arg(from, to, result.message)
                              .arg(done)
                              .arg(total)
                              .arg(plan.folder);
        if (aside > 0)
            message += QStringLiteral(" или под временными именами с окончанием «%1» (прежнее имя "
                                      "сохранено в начале)")
                           .arg(temporaryNameSuffix());
        message += QStringLiteral(". Ни одна фотография не потеряна.");
        return Outcome::failure(message);
    };

    for (const PhotoRename& r : plan.renames) {
        if (r.temporary.isEmpty())
            continue;
        if (const Outcome moved = files.renameNoReplace(r.from, r.temporary); !moved)
            return stopped(r.from, r.temporary, moved);
        ++aside;
    }
    for (const PhotoRename& r : plan.renames) {
        const QString from = r.temporary.isEmpty() ? r.from : r.temporary;
        if (const Outcome moved = files.renameNoReplace(from, r.to); !moved)
            return stopped(from, r.to, moved);
        ++done;
        if (!r.temporary.isEmpty())
            --aside;
    }
    renamedAny = total > 0;
    return {};
}
