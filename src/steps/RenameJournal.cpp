#include "steps/RenameJournal.h"

#include "platform/ErrorText.h"
#include "platform/FileStatus.h"
#include "platform/FsPath.h"
#include "platform/PathSyntax.h"
#include "platform/UserFolders.h"
#include "state/AlbumLayout.h"
#include "state/AlbumState.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QRegularExpression>
#include <cerrno>

namespace {

const QByteArray header = "photoalbum rename journal 1";
const QByteArray ending = "end";
const QList<QByteArray> keywords = {"folder", "album", "created", "rename"};

QByteArray hex(const QString& text) {
    return text.isEmpty() ? QByteArray("-") : toFsBytes(text).toHex();
}

bool unhex(const QByteArray& field, QString& text) {
    if (field == "-") {
        text.clear();
        return true;
    }
    const QByteArray bytes = QByteArray::fromHex(field);
    if (field.isEmpty() || bytes.toHex() != field)
        return false;
    text = fromFsBytes(bytes);
    return true;
}

// One line into the journal; false when it is not a line the program writes.
bool parseLine(const QByteArray& line, RenameJournal& journal) {
    const QList<QByteArray> fields = line.split(' ');
    const QByteArray& kind = fields[0];
    QStringList names;
    for (qsizetype i = kind == "rename" ? 2 : 1; i < fields.size(); ++i) {
        QString name;
        if (!unhex(fields[i], name))
            return false;
        names.append(name);
    }
    if ((kind == "folder" || kind == "album") && names.size() == 1 && !names[0].isEmpty()) {
        (kind == "folder" ? journal.originalFolder : journal.albumFolder) = names[0];
        return true;
    }
    if (kind == "created" && names.size() == 1) {
        journal.createdFiles.append(names[0]);
        return true;
    }
    if (kind == "rename" && names.size() == 3) {
        static const QRegularExpression number(QStringLiteral("^[1-9][0-9]{0,19}$"));
        bool ok = false;
        const quint64 inode = fields[1].toULongLong(&ok);
        if (!ok || !number.match(QString::fromLatin1(fields[1])).hasMatch())
            return false;
        journal.renames.append({names[0], names[1], names[2], inode});
        return true;
    }
    return false;
}

// A partial last line as writing it would leave one: a prefix of a keyword, or
// a keyword followed by the beginning of its fields.
bool isBeginningOfLine(const QByteArray& tail) {
    if (ending.startsWith(tail))
        return true;
    const qsizetype blank = tail.indexOf(' ');
    const QByteArray word = blank < 0 ? tail : tail.left(blank);
    for (const QByteArray& keyword : keywords) {
        if (blank < 0 ? keyword.startsWith(word) : keyword == word) {
            static const QRegularExpression fields(QStringLiteral("^[0-9a-f -]*$"));
            return fields.match(QString::fromLatin1(tail.mid(word.size()))).hasMatch();
        }
    }
    return false;
}

// The folder above an absolute path and the path's last name; empty when the
// path is not absolute or has no plain last name.
QPair<QString, QString> splitFolderPath(const QString& path) {
    const QString root = absoluteRoot(path);
    const QString doubled(2, nativeSeparator());
    const qsizetype at = path.lastIndexOf(nativeSeparator());
    if (root.isEmpty() || at < root.size() - 1 || !isPlainEntryName(path.mid(at + 1)) ||
        path.indexOf(doubled, root.startsWith(doubled) ? 2 : 0) >= 0 ||
        toFsBytes(path).contains('\0'))
        return {};
    return {at < root.size() ? root : path.left(at), path.mid(at + 1)};
}

} // namespace

namespace {

Result<QString> recordPath(const QString& folder, const QString& suffix) {
    const FileStatus status = linkStatusOf(folder);
    if (!status.isFolder)
        return Result<QString>::failure(status.exists() ? describeErrno(ENOTDIR)
                                                        : describeErrno(status.error));
    const Result<QString> records = userStateFolder();
    if (!records)
        return records;
    return Result<QString>::of(withTrailingSeparator(records.value) +
                               identityName(status.device, status.inode) + suffix);
}

} // namespace

Result<QString> keptJournalPath(const QString& folder) {
    return recordPath(folder, QStringLiteral(".journal"));
}

bool hasKeptJournal(const QString& folder) {
    const Result<QString> path = keptJournalPath(folder);
    return path && linkStatusOf(path.value).exists();
}

Result<QString> finishedRecordPath(const QString& albumFolder) {
    return recordPath(albumFolder, QStringLiteral(".finished"));
}

QByteArray encodeJournal(const RenameJournal& journal) {
    QByteArray text = header + '\n';
    text += "folder " + hex(journal.originalFolder) + '\n';
    text += "album " + hex(journal.albumFolder) + '\n';
    for (const QString& name : journal.createdFiles)
        text += "created " + hex(name) + '\n';
    for (const RenameJournal::Rename& r : journal.renames)
        text += "rename " + QByteArray::number(r.inode) + ' ' + hex(r.from) + ' ' +
                hex(r.temporary) + ' ' + hex(r.to) + '\n';
    return text + ending + '\n';
}

Result<DecodedJournal> decodeJournal(const QByteArray& bytes) {
    Result<DecodedJournal> result;
    const auto unusable = [&result](const QString& why) {
        result.status = Status::Failed;
        result.message = why;
        return result;
    };
    QList<QByteArray> lines = bytes.split('\n');
    const QByteArray tail = lines.takeLast(); // what follows the last line break
    bool ended = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        const bool valid =
            i == 0 ? line == header
                   : !ended && (line == ending || parseLine(line, result.value.journal));
        if (!valid)
            return unusable(
                QCoreApplication::translate("RenameJournal", "строка %1 испорчена").arg(i + 1));
        ended = ended || (i > 0 && line == ending);
    }
    if (!ended) {
        // A run stopped while writing the journal leaves a beginning of it.
        result.value.cutShort = lines.isEmpty() ? header.startsWith(tail) : isBeginningOfLine(tail);
        return unusable(
            result.value.cutShort
                ? QCoreApplication::translate("RenameJournal", "список записан не до конца")
                : QCoreApplication::translate("RenameJournal", "последняя строка испорчена"));
    }
    if (!tail.isEmpty())
        return unusable(
            QCoreApplication::translate("RenameJournal", "после его конца есть лишнее"));
    if (result.value.journal.originalFolder.isEmpty() || result.value.journal.albumFolder.isEmpty())
        return unusable(QCoreApplication::translate("RenameJournal", "в нём нет пути папки"));
    return result;
}

Outcome checkJournal(const RenameJournal& journal, const QString& folderNow) {
    const auto why = [](const QString& text) { return Outcome::failure(text); };
    const auto original = splitFolderPath(journal.originalFolder);
    const auto album = splitFolderPath(journal.albumFolder);
    if (original.first.isEmpty() || album.first.isEmpty() || original.first != album.first)
        return why(QCoreApplication::translate("RenameJournal", "пути папки в нём недопустимы"));
    if (folderNow != journal.originalFolder && folderNow != journal.albumFolder)
        return why(QCoreApplication::translate("RenameJournal", "он написан для другой папки"));
    for (const QString& name : journal.createdFiles) {
        if (!isCreatedName(name))
            return why(QCoreApplication::translate(
                           "RenameJournal", "в нём есть файл «%1», которого программа не создаёт")
                           .arg(readableName(name)));
    }
    for (const RenameJournal::Rename& r : journal.renames) {
        if (!isPlainEntryName(r.from) || !isAlbumPhotoName(r.to) ||
            (!r.temporary.isEmpty() &&
             (!isTemporaryNameOf(r.temporary, r.from) || !isPlainEntryName(r.temporary))) ||
            r.inode == 0)
            return why(QCoreApplication::translate("RenameJournal",
                                                   "в нём есть недопустимое переименование «%1»")
                           .arg(readableName(r.from)));
    }
    if (journal.renames.size() > 2 * MaxPhotos || journal.createdFiles.size() > MaxPhotos + 4)
        return why(QCoreApplication::translate("RenameJournal",
                                               "в нём больше записей, чем бывает у альбома"));
    return {};
}
