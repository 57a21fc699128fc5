#include "steps/InterruptedRun.h"

QString temporaryNameSuffix() {
    return QStringLiteral(".photoalbum-tmp");
}

QString leftoverIn(const QString& folder, const FolderEntries& listing) {
    for (const FolderEntry& entry : listing.entries) {
        if (entry.name.endsWith(temporaryNameSuffix(), Qt::CaseInsensitive))
            return QStringLiteral("В папке остался файл «%1» от прерванного прошлого запуска. "
                                  "Верните ему прежнее имя (без окончания «%2») и повторите. "
                                  "Альбом не создан, ничего не изменено.")
                .arg(folder + entry.name, temporaryNameSuffix());
    }
    return {};
}

QString leftoverFromInterruptedRun(const QString& folder) {
    const FolderEntries listing = listFolderEntries(folder);
    return listing.ok ? leftoverIn(folder, listing) : QString();
}
