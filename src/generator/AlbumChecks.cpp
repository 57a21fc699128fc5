#include "generator/AlbumChecks.h"

#include "steps/AlbumName.h"
#include "steps/ThumbnailLimit.h"

#include <QFileInfo>

namespace {

QString missingFile(const QString& what, const QString& path) {
    const QFileInfo file(path);
    if (!file.exists())
        return QStringLiteral("%1 «%2» не найден. Альбом не создан, ничего не изменено.")
            .arg(what, path);
    if (!file.isFile())
        return QStringLiteral("%1 «%2» не является обычным файлом. Альбом не создан, ничего не "
                              "изменено.")
            .arg(what, path);
    if (!file.isReadable())
        return QStringLiteral("Нет прав на чтение: %1 «%2». Альбом не создан, ничего не изменено.")
            .arg(what.toLower(), path);
    return {};
}

} // namespace

QString checkBeforeGeneration(const AlbumState& state, const GenerationContext& context) {
    if (const QString problem = albumNameProblem(state.albumName); !problem.isEmpty())
        return problem;
    const bool withThumbnails = state.thumbnails;
    if (state.photoCount < 0 || state.photoCount > MaxPhotos)
        return QStringLiteral("Программа может обработать только 40 изображений");
    if (const QString problem = thumbnailLimitProblem(state); !problem.isEmpty())
        return problem;

    for (int k = 1; k <= state.photoCount; ++k) {
        if (QString p = missingFile(QStringLiteral("Файл фотографии"), state.photoFiles[k]);
            !p.isEmpty())
            return p;
        if (withThumbnails) {
            if (QString p = missingFile(QStringLiteral("Файл миниатюры"), state.thumbnailFiles[k]);
                !p.isEmpty())
                return p;
        }
    }
    for (const QString& name : navigationImageNames()) {
        const QString path = withTrailingSeparator(context.programFolder, context.separator) + name;
        if (QString p = missingFile(QStringLiteral("Файл кнопки навигации"), path); !p.isEmpty())
            return p;
    }
    if (state.keepSourceFolder) {
        const QString folder = state.sourceFolder + state.albumName;
        if (!QFileInfo(folder).isDir())
            return QStringLiteral("Папка альбома «%1» не найдена. Нажмите «Подготовить» в окне "
                                  "настройки, чтобы создать её.")
                .arg(folder);
    }
    return {};
}
