#include "steps/InterruptedRun.h"

#include "platform/FileStatus.h"
#include "platform/FolderListing.h"
#include "platform/FsPath.h"
#include "steps/AlbumName.h"

#include <QRegularExpression>

namespace {

QString inFolder(const QString& folder, const QString& name) {
    return withTrailingSeparator(folder) + name;
}

QString withoutTrailingSeparator(QString folder) {
    while (folder.size() > 1 && folder.endsWith(nativeSeparator()))
        folder.chop(1);
    return folder;
}

// The files a copy-mode album is made of.
bool isAlbumFileName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral(
        "^(n[1-9][0-9]*(-m)?\\.jpg|n[1-9][0-9]*\\.htm|start\\.htm|(back|for|ish)-bt\\.gif)$"));
    return pattern.match(name).hasMatch();
}

Outcome notOurs(const QString& path) {
    return Outcome::failure(
        QStringLiteral("В папке есть «%1»: это имя служебной папки программы, но создала её не "
                       "программа. Уберите или переименуйте её и повторите. Альбом не создан, "
                       "ничего не изменено.")
            .arg(path));
}

QString unusableJournal(const QString& path, const QString& why) {
    return QStringLiteral("В папке есть «%1» — так называется список переименований прерванного "
                          "запуска программы, но использовать этот файл нельзя: %2. Файл оставлен "
                          "на месте, ничего не изменено. Если прошлый запуск программы с этой "
                          "папкой не прерывался, уберите этот файл и повторите.")
        .arg(path, why);
}

Outcome leftoverStays(const QString& path, const Outcome& why) {
    return Outcome::failure(
        QStringLiteral("Не удалось убрать «%1», оставшийся от прерванного прошлого запуска: %2.")
            .arg(path, why.message));
}

} // namespace

QString temporaryNameSuffix() {
    return QStringLiteral(".photoalbum-tmp");
}

QString partFolderName() {
    return QStringLiteral(".photoalbum-part");
}

QString partMarkName() {
    return QStringLiteral(".photoalbum-part-mark");
}

Outcome undoJournal(const RenameJournal& journal, const QString& folderNow, FileOps& files) {
    const auto inodeOf = [&](const QString& name) -> quint64 {
        const FileStatus status = linkStatusOf(inFolder(folderNow, name));
        return status.exists() && !status.isFolder ? status.inode : 0;
    };
    const auto stuck = [&](const QString& from, const QString& to, const Outcome& why) {
        return Outcome::failure(
            QStringLiteral("Не удалось вернуть прежнее имя: «%1» → «%2»: %3. Ни одна фотография "
                           "не потеряна; список переименований остался в «%4», и следующий "
                           "запуск программы с этой папкой вернёт остальные имена.")
                .arg(from, to, why.message, inFolder(folderNow, journalFileName())));
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
    QString folder = folderNow;
    if (folderNow == journal.albumFolder && journal.albumFolder != journal.originalFolder) {
        if (const Outcome moved = files.renameNoReplace(folderNow, journal.originalFolder); !moved)
            return stuck(folderNow, journal.originalFolder, moved);
        folder = journal.originalFolder;
    }
    const QString journalPath = inFolder(folder, journalFileName());
    if (!files.removeFile(journalPath))
        left.append(QStringLiteral("«%1»").arg(journalPath));
    if (!left.isEmpty())
        return Outcome::failure(
            QStringLiteral("Прежние имена возвращены. Не удалось убрать созданные файлы: %1.")
                .arg(left.join(QStringLiteral(", "))));
    return {};
}

Recovery recoverInterruptedRename(const QString& folder, FileOps& files) {
    Recovery result;
    result.folder = withoutTrailingSeparator(folder);
    const QString path = inFolder(result.folder, journalFileName());
    if (!linkStatusOf(path).exists())
        return result;
    // Anyone who could write into the folder could have put a file of this name
    // there: it is used only when everything in it is what a run here writes.
    const auto unusable = [&](const QString& why) {
        result.ok = false;
        result.message = unusableJournal(path, why);
        return result;
    };
    const Result<QByteArray> bytes = readOwnSmallFile(path, MaxJournalBytes);
    if (!bytes)
        return unusable(bytes.message);
    const DecodedJournal journal = decodeJournal(bytes.value);
    if (!journal && journal.cutShort) {
        // Cut short while it was written: nothing had been changed yet.
        if (const Outcome removed = files.removeFile(path); !removed) {
            result.ok = false;
            result.message = QStringLiteral("Не удалось убрать неполный список переименований "
                                            "«%1»: %2.")
                                 .arg(path, removed.message);
        }
        return result;
    }
    if (!journal)
        return unusable(journal.message);
    if (const Outcome checked = checkJournal(journal.value, result.folder); !checked)
        return unusable(checked.message);
    if (const Outcome undone = undoJournal(journal.value, result.folder, files); !undone) {
        result.ok = false;
        result.message = QStringLiteral("Прошлый запуск с папкой «%1» был прерван. %2")
                             .arg(result.folder, undone.message);
        return result;
    }
    const bool renamedBack = result.folder == journal.value.albumFolder &&
                             journal.value.albumFolder != journal.value.originalFolder;
    if (renamedBack)
        result.folder = journal.value.originalFolder;
    result.recovered = true;
    result.message =
        QStringLiteral("Прошлый запуск с папкой «%1» был прерван. Фотографиям "
                       "возвращены прежние имена, созданные тогда файлы убраны%2; "
                       "альбом будет создан заново.")
            .arg(result.folder,
                 renamedBack ? QStringLiteral(", папке возвращено её имя") : QString());
    return result;
}

QString renamedFolderOf(const QString& missingFolder, const QString& albumName) {
    const QString missing = withoutTrailingSeparator(missingFolder);
    const qsizetype at = missing.lastIndexOf(nativeSeparator());
    if (!checkAlbumName(albumName))
        return {};
    // A bare name ("F") is a folder of the current one.
    const Result<QString> parent = realPath(at < 0    ? QStringLiteral(".")
                                            : at == 0 ? QStringLiteral("/")
                                                      : missing.left(at));
    if (!parent)
        return {};
    const QString expected = withTrailingSeparator(parent.value) + missing.mid(at + 1);
    const QString candidate = withTrailingSeparator(parent.value) + albumName;
    const Result<QString> real = realPath(candidate);
    if (!real || real.value != candidate)
        return {};
    const Result<QByteArray> bytes =
        readOwnSmallFile(inFolder(candidate, journalFileName()), MaxJournalBytes);
    if (!bytes)
        return {};
    const DecodedJournal journal = decodeJournal(bytes.value);
    if (!journal || !checkJournal(journal.value, candidate) ||
        journal.value.originalFolder != expected || journal.value.albumFolder != candidate)
        return {};
    return candidate;
}

Outcome clearCopyLeftovers(const QString& folder, const QString& albumName, FileOps& files) {
    const QString part = inFolder(folder, partFolderName());
    const FileStatus status = linkStatusOf(part);
    if (status.exists()) {
        if (!status.isFolder)
            return notOurs(part);
        const FolderEntries inside = listFolderEntries(part, true);
        if (!inside)
            return Outcome::failure(inside.message + QLatin1Char('.'));
        bool marked = false;
        for (const FolderEntry& entry : inside.entries) {
            marked = marked || (entry.name == partMarkName() && entry.isFile);
            if (entry.isFolder || (entry.name != partMarkName() && !isAlbumFileName(entry.name)))
                return notOurs(part);
        }
        // An empty folder is removed whoever made it: nothing can be lost.
        if (!marked && !inside.entries.isEmpty())
            return notOurs(part);
        // The mark goes last, so that a stop halfway leaves a folder still known as ours.
        for (const FolderEntry& entry : inside.entries) {
            if (entry.name == partMarkName())
                continue;
            const QString path = inFolder(part, entry.name);
            if (const Outcome removed = files.removeFile(path); !removed)
                return leftoverStays(path, removed);
        }
        const QString mark = inFolder(part, partMarkName());
        if (marked) {
            if (const Outcome removed = files.removeFile(mark); !removed)
                return leftoverStays(mark, removed);
        }
        if (const Outcome removed = files.removeEmptyFolder(part); !removed)
            return leftoverStays(part, removed);
    }
    // Only inside a real folder of that name: never through a link to elsewhere.
    if (!albumName.isEmpty() && linkStatusOf(inFolder(folder, albumName)).isFolder) {
        const QString strayMark = inFolder(inFolder(folder, albumName), partMarkName());
        if (linkStatusOf(strayMark).isFile) {
            if (const Outcome removed = files.removeFile(strayMark); !removed)
                return Outcome::failure(
                    QStringLiteral("Не удалось убрать «%1», оставшийся от прошлого запуска: %2.")
                        .arg(strayMark, removed.message));
        }
    }
    return {};
}
