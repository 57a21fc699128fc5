#include "steps/RenameJournal.h"

#include "platform/FsPath.h"

#include <QList>

namespace {

const QByteArray header = "photoalbum rename journal 1";
const QByteArray ending = "end";

QByteArray hex(const QString& text) {
    return text.isEmpty() ? QByteArray("-") : toFsBytes(text).toHex();
}

std::optional<QString> unhex(const QByteArray& field) {
    if (field == "-")
        return QString();
    const QByteArray bytes = QByteArray::fromHex(field);
    if (bytes.toHex() != field.toLower())
        return std::nullopt;
    return fromFsBytes(bytes);
}

} // namespace

QString journalFileName() {
    return QStringLiteral(".photoalbum-journal");
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

std::optional<RenameJournal> decodeJournal(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < 4 || lines.takeFirst() != header || !lines.takeLast().isEmpty() ||
        lines.takeLast() != ending)
        return std::nullopt;
    RenameJournal journal;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        QList<QString> names;
        for (qsizetype i = 1; i < fields.size(); ++i) {
            if (fields[0] == "rename" && i == 1)
                continue;
            const std::optional<QString> name = unhex(fields[i]);
            if (!name)
                return std::nullopt;
            names.append(*name);
        }
        if (fields[0] == "folder" && names.size() == 1) {
            journal.originalFolder = names[0];
        } else if (fields[0] == "album" && names.size() == 1) {
            journal.albumFolder = names[0];
        } else if (fields[0] == "created" && names.size() == 1) {
            journal.createdFiles.append(names[0]);
        } else if (fields[0] == "rename" && names.size() == 3) {
            bool number = false;
            const quint64 inode = fields[1].toULongLong(&number);
            if (!number)
                return std::nullopt;
            journal.renames.append({names[0], names[1], names[2], inode});
        } else {
            return std::nullopt;
        }
    }
    if (journal.originalFolder.isEmpty() || journal.albumFolder.isEmpty())
        return std::nullopt;
    return journal;
}
