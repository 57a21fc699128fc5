#include "steps/InterruptedRun.h"

QString temporaryNameSuffix() {
    return QStringLiteral(".photoalbum-tmp");
}

Outcome checkNoLeftovers(const QString& folder, const FolderEntries& listing) {
    for (const FolderEntry& entry : listing.entries) {
        if (entry.name.endsWith(temporaryNameSuffix(), Qt::CaseInsensitive))
            return Outcome::failure(
                QStringLiteral("В папке остался файл «%1» от прерванного прошлого запуска. "
                               "Верните ему прежнее имя (без окончания «%2») и повторите. "
                               "Альбом не создан, ничего не изменено.")
                    .arg(folder + entry.name, temporaryNameSuffix()));
    }
    return {};
}
