#include "steps/AlbumName.h"

#include "platform/FsPath.h"
#include "state/AlbumLayout.h"

#include <QCoreApplication>

namespace {
// Longest folder name most file systems accept, in bytes of the name's encoding.
constexpr qsizetype MaxFolderNameBytes = 255;

// Characters a folder name cannot show as typed: C0 and C1 controls, which a
// terminal obeys, and the bidi controls, which make a name read as another.
bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x061c || c == 0x200e || c == 0x200f ||
           (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

// The program's own hidden files and folders (journal, album being written, its
// mark, temporary names) begin or end so. FAT and exFAT ignore letter case and
// Windows drops trailing dots and spaces: an album named like one of them in any
// such spelling would look like it to every later run.
bool isServiceName(const QString& name) {
    QString stored = name;
    while (stored.endsWith(QLatin1Char('.')) || stored.endsWith(QLatin1Char(' ')))
        stored.chop(1);
    return caseKey(name).startsWith(caseKey(serviceNamePrefix())) ||
           caseKey(stored).endsWith(caseKey(temporaryNameSuffix()));
}
} // namespace

Outcome checkAlbumName(const QString& name) {
    const QString rules = QCoreApplication::translate(
        "AlbumName",
        "Имя альбома станет именем папки: оно не может быть пустым, равным «.» или «..», "
        "содержать знаки / \\ : * ? \" < > | и управляющие символы.");
    if (hasUndecodableBytes(name))
        return Outcome::failure(
            QCoreApplication::translate("AlbumName", "Недопустимое имя альбома: в нём есть байты, "
                                                     "которые не складываются в буквы (не UTF-8). "
                                                     "Наберите имя заново."));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        isServiceName(name))
        return Outcome::failure(
            QCoreApplication::translate("AlbumName", "Недопустимое имя альбома. ") + rules);
    for (const QChar c : name) {
        if (isControl(c.unicode()) || QStringLiteral("/\\:*?\"<>|").contains(c))
            return Outcome::failure(
                QCoreApplication::translate("AlbumName", "Недопустимое имя альбома. ") + rules);
    }
    if (name.toUtf8().size() > MaxFolderNameBytes)
        return Outcome::failure(QCoreApplication::translate(
            "AlbumName", "Слишком длинное имя альбома: имя папки не может "
                         "быть длиннее 255 байт."));
    return {};
}
