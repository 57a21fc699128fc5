#include "steps/AlbumName.h"

#include "platform/FsPath.h"

namespace {
// Longest folder name most file systems accept, in bytes of the name's encoding.
constexpr qsizetype MaxFolderNameBytes = 255;
} // namespace

Outcome checkAlbumName(const QString& name) {
    const QString rules = QStringLiteral(
        "Имя альбома станет именем папки: оно не может быть пустым, равным «.» или «..», "
        "содержать знаки / \\ : * ? \" < > | и управляющие символы.");
    if (hasUndecodableBytes(name))
        return Outcome::failure(QStringLiteral("Недопустимое имя альбома: в нём есть байты, "
                                               "которые не складываются в буквы (не UTF-8). "
                                               "Наберите имя заново."));
    // The program's own hidden files and folders (journal, album being written,
    // its mark, temporary names) all begin so: an album of such a name would
    // look like one of them to every later run.
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.startsWith(QLatin1String(".photoalbum-")))
        return Outcome::failure(QStringLiteral("Недопустимое имя альбома. ") + rules);
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c))
            return Outcome::failure(QStringLiteral("Недопустимое имя альбома. ") + rules);
    }
    if (name.toUtf8().size() > MaxFolderNameBytes)
        return Outcome::failure(QStringLiteral("Слишком длинное имя альбома: имя папки не может "
                                               "быть длиннее 255 байт."));
    return {};
}
