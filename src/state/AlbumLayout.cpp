#include "state/AlbumLayout.h"

#include "state/AlbumState.h"
#include "state/ModernLayout.h"

#include <QRegularExpression>

namespace {

bool isFixedName(const QString& name) {
    return name == indexPageName() || navigationImageNames().contains(name);
}

// A numbered name ("n<k>.jpg", "n<k>-m.jpg", "n<k>.htm", k without a leading
// zero): its place, counted only up to one past the album's 40, and its kind.
struct NumberedName {
    int place = 0; // 0: not a numbered name
    bool page = false;
};

NumberedName numberedName(const QString& name) {
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("n([1-9][0-9]*)(\\.jpg|-m\\.jpg|\\.htm)")));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return {};
    const QStringView digits = match.capturedView(1);
    return {digits.size() > 2 ? MaxPhotos + 1 : digits.toInt(),
            match.capturedView(2) == QLatin1String(".htm")};
}

} // namespace

QString photoFileName(int k) {
    return QStringLiteral("n%1.jpg").arg(k);
}

QString thumbnailFileName(int k) {
    return QStringLiteral("n%1-m.jpg").arg(k);
}

QString photoPageName(int k) {
    return QStringLiteral("n%1.htm").arg(k);
}

QString indexPageName() {
    return QStringLiteral("start.htm");
}

QString backImageName() {
    return QStringLiteral("back-bt.gif");
}

QString forwardImageName() {
    return QStringLiteral("for-bt.gif");
}

QString homeImageName() {
    return QStringLiteral("ish-bt.gif");
}

const QStringList& navigationImageNames() {
    static const QStringList names = {backImageName(), forwardImageName(), homeImageName()};
    return names;
}

QString serviceNamePrefix() {
    return QStringLiteral(".photoalbum-");
}

QString partFolderName() {
    return serviceNamePrefix() + QStringLiteral("part");
}

QString partMarkName() {
    return serviceNamePrefix() + QStringLiteral("part-mark");
}

QString temporaryNameSuffix() {
    return serviceNamePrefix() + QStringLiteral("tmp");
}

QString temporaryName(const QString& name, int n) {
    return n < 2 ? name + temporaryNameSuffix()
                 : name + QStringLiteral(".%1").arg(n) + temporaryNameSuffix();
}

bool isTemporaryNameOf(const QString& temporary, const QString& name) {
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("(\\.[2-9]|\\.[1-9][0-9]+)?") +
                                            QRegularExpression::escape(temporaryNameSuffix())));
    return temporary.startsWith(name) && pattern.match(temporary.mid(name.size())).hasMatch();
}

QString folderJournalName() {
    return serviceNamePrefix() + QStringLiteral("journal");
}

bool isAlbumFileName(const QString& name) {
    return isFixedName(name) || numberedName(name).place > 0 || isModernAlbumFileName(name);
}

bool isCreatedName(const QString& name) {
    const NumberedName numbered = numberedName(name);
    return isFixedName(name) || (numbered.page && numbered.place <= MaxPhotos);
}

bool isAlbumPhotoName(const QString& name) {
    const NumberedName numbered = numberedName(name);
    return numbered.place > 0 && !numbered.page && numbered.place <= MaxPhotos;
}

QString caseKey(const QString& name) {
    // Folding joins names that upper case alone keeps apart (the Kelvin sign
    // and "k"), upper case some that folding keeps apart ("ı" and "i").
    return name.toCaseFolded().toUpper();
}

QString withoutTrailingSeparator(const QString& folder, QChar separator) {
    QString path = folder;
    // "C:" alone is the current folder of drive C, not its root.
    const auto driveRoot = [&] {
        return separator == QLatin1Char('\\') && path.size() == 3 && path[1] == QLatin1Char(':');
    };
    while (path.size() > 1 && path.endsWith(separator) && !driveRoot())
        path.chop(1);
    return path;
}
