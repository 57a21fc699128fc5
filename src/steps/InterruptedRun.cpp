#include "steps/InterruptedRun.h"

#include "platform/FileStatus.h"
#include "platform/FolderListing.h"
#include "platform/FsPath.h"
#include "platform/PathSyntax.h"
#include "state/AlbumLayout.h"
#include "steps/AlbumName.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString inFolder(const QString& folder, const QString& name) {
    return withTrailingSeparator(folder) + name;
}

QString unusableJournal(const QString& path, const QString& why) {
    return QCoreApplication::translate(
               "InterruptedRun",
               "Список переименований «%1», оставшийся от прерванного запуска "
               "программы, использовать нельзя: %2. Файл оставлен на месте, ничего "
               "не изменено.")
        .arg(path, why);
}

// A journal or record kept in the user's state folder, when there is one; a
// failure says why it cannot be used.
struct KeptJournal {
    QString path;
    bool found = false;
    bool cutShort = false;
    RenameJournal journal;
};
Result<KeptJournal> readKept(const Result<QString>& path) {
    KeptJournal kept;
    if (!path || !linkStatusOf(path.value).exists())
        return Result<KeptJournal>::of(kept);
    kept.path = path.value;
    kept.found = true;
    const Result<QByteArray> bytes = readOwnSmallFile(path.value, MaxJournalBytes);
    if (!bytes) {
        Result<KeptJournal> unread = Result<KeptJournal>::from(bytes);
        unread.value = kept;
        return unread;
    }
    const Result<DecodedJournal> decoded = decodeJournal(bytes.value);
    kept.cutShort = decoded.value.cutShort;
    kept.journal = decoded.value.journal;
    Result<KeptJournal> result = Result<KeptJournal>::from(decoded);
    result.value = kept;
    return result;
}

Result<KeptJournal> keptJournalOf(const QString& folder) {
    return readKept(keptJournalPath(folder));
}

// What a finished album's record says, when the folder has a sound one.
Result<KeptJournal> finishedRecordOf(const QString& albumFolder) {
    return readKept(finishedRecordPath(albumFolder));
}

} // namespace

Outcome undoJournal(const RenameJournal& journal, const QString& folderNow,
                    const QString& journalPath, FileOps& files) {
    const auto inodeOf = [&](const QString& name) -> quint64 {
        const FileStatus status = linkStatusOf(inFolder(folderNow, name));
        return status.exists() && !status.isFolder ? status.inode : 0;
    };
    const auto stuck = [&](const QString& from, const QString& to, const Outcome& why) {
        return Outcome::failure(
            QCoreApplication::translate(
                "InterruptedRun",
                "Не удалось вернуть прежнее имя: «%1» → «%2»: %3. Ни одна фотография "
                "не потеряна; список переименований остался в «%4», и следующий "
                "запуск программы с этой папкой вернёт остальные имена.")
                .arg(from, to, why.message, journalPath));
    };
    for (auto r = journal.renames.crbegin(); r != journal.renames.crend(); ++r) {
        if (inodeOf(r->to) != r->inode)
            continue;
        const QString back = r->temporary.isEmpty() ? r->from : r->temporary;
        const QString from = inFolder(folderNow, r->to);
        const QString to = inFolder(folderNow, back);
        if (const Outcome moved = files.renameNoReplace(from, to); !moved)
            return stuck(from, to, moved);
    }
    for (auto r = journal.renames.crbegin(); r != journal.renames.crend(); ++r) {
        if (r->temporary.isEmpty() || inodeOf(r->temporary) != r->inode)
            continue;
        const QString from = inFolder(folderNow, r->temporary);
        const QString to = inFolder(folderNow, r->from);
        if (const Outcome moved = files.renameNoReplace(from, to); !moved)
            return stuck(from, to, moved);
    }
    QStringList left;
    for (auto name = journal.createdFiles.crbegin(); name != journal.createdFiles.crend(); ++name) {
        const QString path = inFolder(folderNow, *name);
        const FileStatus status = linkStatusOf(path);
        if (status.exists() && status.isFile && !files.removeFile(path))
            left.append(QStringLiteral("«%1»").arg(path));
    }
    if (folderNow == journal.albumFolder && journal.albumFolder != journal.originalFolder) {
        if (const Outcome moved = files.renameNoReplace(folderNow, journal.originalFolder); !moved)
            return stuck(folderNow, journal.originalFolder, moved);
    }
    if (!files.removeFile(journalPath))
        left.append(QStringLiteral("«%1»").arg(journalPath));
    if (!left.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate(
                "InterruptedRun",
                "Прежние имена возвращены. Не удалось убрать созданные файлы: %1.")
                .arg(left.join(QStringLiteral(", "))));
    return {};
}

Result<Recovery> recoverInterruptedRename(const QString& folder, FileOps& files) {
    Result<Recovery> result;
    result.value.folder = withoutTrailingSeparator(folder);
    const Result<KeptJournal> kept = keptJournalOf(result.value.folder);
    if (!kept.value.found) {
        // Only the user's state folder holds journals the program acts on.
        const QString planted = inFolder(result.value.folder, folderJournalName());
        if (linkStatusOf(planted).exists())
            result.notes.append(
                QCoreApplication::translate(
                    "InterruptedRun",
                    "В папке есть «%1». Программа не выполняет списков "
                    "переименований, найденных в папке с фотографиями: файл оставлен "
                    "как есть.")
                    .arg(planted));
        return result;
    }
    const auto unusable = [&](const QString& why) {
        result.status = Status::Failed;
        result.message = unusableJournal(kept.value.path, why);
        return result;
    };
    if (!kept && kept.value.cutShort) {
        // Cut short while it was written: nothing had been changed yet.
        if (const Outcome removed = files.removeFile(kept.value.path); !removed) {
            result.status = Status::Failed;
            result.message =
                QCoreApplication::translate("InterruptedRun",
                                            "Не удалось убрать неполный список переименований "
                                            "«%1»: %2.")
                    .arg(kept.value.path, removed.message);
        }
        return result;
    }
    if (!kept)
        return unusable(kept.message);
    if (const Outcome checked = checkJournal(kept.value.journal, result.value.folder); !checked)
        return unusable(checked.message);
    if (const Outcome undone =
            undoJournal(kept.value.journal, result.value.folder, kept.value.path, files);
        !undone) {
        result.status = Status::Failed;
        result.message = QCoreApplication::translate("InterruptedRun",
                                                     "Прошлый запуск с папкой «%1» был прерван. %2")
                             .arg(result.value.folder, undone.message);
        return result;
    }
    const bool renamedBack = result.value.folder == kept.value.journal.albumFolder &&
                             kept.value.journal.albumFolder != kept.value.journal.originalFolder;
    if (renamedBack)
        result.value.folder = kept.value.journal.originalFolder;
    result.value.recovered = true;
    result.message =
        QCoreApplication::translate("InterruptedRun",
                                    "Прошлый запуск с папкой «%1» был прерван. Фотографиям "
                                    "возвращены прежние имена, созданные тогда файлы убраны%2; "
                                    "альбом будет создан заново.")
            .arg(result.value.folder,
                 renamedBack
                     ? QCoreApplication::translate("InterruptedRun", ", папке возвращено её имя")
                     : QString());
    return result;
}

QString renamedFolderOf(const QString& missingFolder, const QString& albumName) {
    // A path typed on Windows may hold forward slashes as well.
    const QString missing = withoutTrailingSeparator(QDir::toNativeSeparators(missingFolder));
    const qsizetype at = missing.lastIndexOf(nativeSeparator());
    if (!checkAlbumName(albumName))
        return {};
    // A bare name ("F") is a folder of the current one; a root ("/", "C:\")
    // keeps its separator, as "C:" alone is the current folder of drive C.
    const QString root = absoluteRoot(missing);
    const Result<QString> parent = realPath(at < 0             ? QStringLiteral(".")
                                            : at < root.size() ? root
                                                               : missing.left(at));
    if (!parent)
        return {};
    const QString expected = withTrailingSeparator(parent.value) + missing.mid(at + 1);
    const QString candidate = withTrailingSeparator(parent.value) + albumName;
    const Result<QString> real = realPath(candidate);
    if (!real || real.value != candidate || !linkStatusOf(candidate).isFolder)
        return {};
    const auto names = [&](const Result<KeptJournal>& record) {
        return record.ok() && record.value.journal.originalFolder == expected &&
               record.value.journal.albumFolder == candidate;
    };
    const Result<KeptJournal> kept = keptJournalOf(candidate);
    if (kept.value.found && names(kept) && checkJournal(kept.value.journal, candidate))
        return candidate;
    return names(finishedRecordOf(candidate)) ? candidate : QString();
}

Outcome clearCopyLeftovers(const QString& folder, FileOps& files) {
    const QString part = inFolder(folder, partFolderName());
    if (!linkStatusOf(part).exists())
        return {};
    if (const Outcome removed = files.removeLeftoverFolder(part, partMarkName(), isAlbumFileName);
        !removed)
        return Outcome::failure(
            QCoreApplication::translate(
                "InterruptedRun",
                "Не удалось убрать «%1», оставшуюся от прерванного прошлого запуска: "
                "%2. Уберите или переименуйте её и повторите. Исходные фотографии не "
                "изменены.")
                .arg(part, removed.message));
    return {};
}

Result<QString> recordFinishedAlbum(const QString& albumNow, const QString& sourceFolder,
                                    const QString& albumFolder, FileOps& files) {
    const Result<QString> path = finishedRecordPath(albumNow);
    if (!path)
        return Result<QString>::failure(
            QCoreApplication::translate("InterruptedRun",
                                        "Не удалось записать отметку о готовом альбоме «%1»: %2")
                .arg(albumFolder, path.message));
    // One left by a run whose album was taken apart again says nothing now.
    if (linkStatusOf(path.value).exists()) {
        if (const Outcome removed = files.removeFile(path.value); !removed)
            return Result<QString>::failure(
                QCoreApplication::translate("InterruptedRun",
                                            "Не удалось убрать файл «%1» об альбоме «%2»: %3.")
                    .arg(path.value, albumFolder, removed.message));
    }
    RenameJournal record;
    record.originalFolder = withoutTrailingSeparator(sourceFolder);
    record.albumFolder = withoutTrailingSeparator(albumFolder);
    if (const Outcome written = files.writeFile(path.value, encodeJournal(record)); !written)
        return Result<QString>::failure(
            QCoreApplication::translate("InterruptedRun",
                                        "Не удалось записать файл «%1» об альбоме «%2»: %3.")
                .arg(path.value, record.albumFolder, written.message));
    return path;
}

Outcome forgetFinishedAlbum(const QString& albumFolder, FileOps& files) {
    const Result<QString> path = finishedRecordPath(withoutTrailingSeparator(albumFolder));
    if (!path || !linkStatusOf(path.value).exists())
        return {};
    if (const Outcome removed = files.removeFile(path.value); !removed)
        return Outcome::failure(
            QCoreApplication::translate("InterruptedRun", "Не удалось убрать файл «%1»: %2.")
                .arg(path.value, removed.message));
    return {};
}

Result<QString> finishStoppedAlbum(const QString& folder, const QString& albumName,
                                   FileOps& files) {
    const QString source = withoutTrailingSeparator(folder);
    if (!checkAlbumName(albumName))
        return {};
    // Rename mode: the folder is the album, unless its journal is still kept:
    // then the rename is put back and made again. Copy mode: the album is inside.
    const Result<KeptJournal> renamed = finishedRecordOf(source);
    if (hasKeptJournal(source))
        return {};
    if (renamed.ok() && renamed.value.found && renamed.value.journal.albumFolder == source &&
        bareName(source) == albumName)
        return Result<QString>::of(source);
    const QString inside = inFolder(source, albumName);
    const Result<KeptJournal> copied = finishedRecordOf(inside);
    if (!copied.ok() || !copied.value.found || copied.value.journal.originalFolder != source ||
        copied.value.journal.albumFolder != inside)
        return {};
    const QString mark = inFolder(inside, partMarkName());
    if (linkStatusOf(mark).isFile) {
        if (const Outcome removed = files.removeFile(mark); !removed)
            return Result<QString>::failure(
                QCoreApplication::translate(
                    "InterruptedRun", "Не удалось убрать «%1», оставшийся от прошлого запуска: %2.")
                    .arg(mark, removed.message));
    }
    return Result<QString>::of(inside);
}
