#include "generator/AlbumFiles.h"

#include "generator/IndexPage.h"
#include "generator/ModernPages.h"
#include "generator/PhotoPage.h"
#include "state/AlbumLayout.h"

#include <QCoreApplication>

namespace {

QString numbered(const QString& text, int k) {
    // Numbers in captions carry one leading blank.
    return text + QStringLiteral(" ") + QString::number(k);
}

} // namespace

void AlbumFiles::progress(const QString& text, int pauseMs) const {
    if (context_.progress)
        context_.progress->caption(text, pauseMs);
}

Outcome AlbumFiles::failed(const QString& what, const QString& path, const Outcome& result) {
    return Outcome::failure(QStringLiteral("%1 «%2»: %3.").arg(what, path, result.message));
}

Outcome AlbumFiles::write(const QString& path, const QByteArray& bytes,
                          const PhotoReaders* readers) {
    if (stopRequested())
        return Outcome::failure(QCoreApplication::translate("AlbumFiles", "работа прервана"));
    const Outcome result =
        readers ? files_.writeFileLike(path, bytes, *readers) : files_.writeFile(path, bytes);
    if (result)
        made_.append(path);
    return result;
}

Outcome AlbumFiles::copy(const QString& from, const QString& to) {
    if (stopRequested())
        return Outcome::failure(QCoreApplication::translate("AlbumFiles", "работа прервана"));
    const Outcome result = files_.copyFile(from, to);
    if (result)
        made_.append(to);
    return result;
}

Outcome AlbumFiles::placePhotos(const QString& folder, const WebPhotoSet& web) {
    for (int k = 1; k <= state_.photoCount(); ++k) {
        const QString target = folder + photoFileName(k);
        if (const Outcome placed = placePhoto(k, false, target, web); !placed)
            return placed;
        if (state_.thumbnails) {
            const QString thumbnail = folder + thumbnailFileName(k);
            if (const Outcome placed = placePhoto(k, true, thumbnail, web); !placed)
                return placed;
        }
        if (state_.webPhotos)
            progress(
                QCoreApplication::translate("AlbumFiles", "Записывается файл изображения:\r\n") +
                    target,
                300);
        else
            progress(QCoreApplication::translate("AlbumFiles", "Копируется файл изображения:\r\n") +
                         state_.photo(k).file,
                     300);
    }
    return {};
}

Outcome AlbumFiles::placePhoto(int k, bool thumbnail, const QString& target,
                               const WebPhotoSet& web) {
    if (state_.webPhotos) {
        const WebPhoto& made = web.value.at(k - 1);
        const Outcome written =
            write(target, thumbnail ? made.thumbnail : made.photo, &made.readers);
        if (!written)
            return failed(
                thumbnail
                    ? QCoreApplication::translate("AlbumFiles", "Не удалось записать миниатюру")
                    : QCoreApplication::translate("AlbumFiles", "Не удалось записать фотографию"),
                target, written);
        return {};
    }
    const QString& original = thumbnail ? state_.photo(k).thumbnail : state_.photo(k).file;
    const Outcome copied = copy(original, target);
    if (!copied)
        return failed(
            thumbnail
                ? QCoreApplication::translate("AlbumFiles", "Не удалось скопировать миниатюру")
                : QCoreApplication::translate("AlbumFiles", "Не удалось скопировать фотографию"),
            original, copied);
    return {};
}

Outcome AlbumFiles::copyNavigationImages(const QString& folder) {
    for (const QString& name : navigationImageNames()) {
        const QString source = withTrailingSeparator(context_.programFolder) + name;
        const Outcome copied = copy(source, folder + name);
        if (!copied)
            return failed(QCoreApplication::translate("AlbumFiles",
                                                      "Не удалось скопировать кнопку навигации"),
                          folder + name, copied);
    }
    return {};
}

Outcome AlbumFiles::writePages(const QString& folder) {
    const int count = state_.photoCount();
    PageText index;
    writeIndexHead(index, state_);
    for (int k = 1; k <= count; ++k) {
        writeIndexRow(index, state_, k);
        progress(
            numbered(
                QCoreApplication::translate("AlbumFiles", "Добавка указателя на изображение: "), k),
            200);
    }
    writeIndexClosing(index);
    const QString indexPath = folder + indexPageName();
    if (const Outcome written = write(indexPath, index.bytes()); !written)
        return failed(QCoreApplication::translate("AlbumFiles", "Не удалось записать страницу"),
                      indexPath, written);

    for (int k = 1; k <= count; ++k) {
        PageText page;
        writePhotoPage(page, state_, k);
        const QString pagePath = folder + photoPageName(k);
        if (const Outcome written = write(pagePath, page.bytes()); !written)
            return failed(QCoreApplication::translate("AlbumFiles", "Не удалось записать страницу"),
                          pagePath, written);
        progress(
            numbered(QCoreApplication::translate("AlbumFiles", "Страница для изображения: "), k),
            300);
    }
    return {};
}

QString AlbumFiles::removeMadeFiles(const QString& folder) {
    QStringList left;
    while (!made_.isEmpty()) {
        const QString path = made_.takeLast();
        if (!files_.removeFile(path))
            left.append(QStringLiteral("«%1»").arg(path));
    }
    if (!files_.removeEmptyFolder(folder))
        left.append(QStringLiteral("«%1»").arg(folder));
    if (left.isEmpty())
        return {};
    return QCoreApplication::translate("AlbumFiles", " Не удалось убрать созданные файлы: %1.")
        .arg(left.join(QStringLiteral(", ")));
}

Outcome AlbumFiles::placeModernPhotos(const QString& folder) {
    modernImages_.clear();
    Outcome writeFailure;
    const auto writePhoto = [&](int, ModernPhoto& photo) {
        QString target;
        for (const ModernPhotoFile& file : std::as_const(photo.files)) {
            target = folder + file.name;
            if (const Outcome written = write(target, file.bytes, &photo.readers); !written) {
                writeFailure = failed(
                    QCoreApplication::translate("AlbumFiles", "Не удалось записать фотографию"),
                    target, written);
                return false;
            }
        }
        // Their bytes are on disk: only the names and sizes stay for the pages.
        photo.files.clear();
        modernImages_.append(std::move(photo.images));
        progress(QCoreApplication::translate("AlbumFiles", "Записывается файл изображения:\r\n") +
                     target,
                 0);
        return true;
    };
    const Outcome made = makeModernPhotos(state_, context_, writePhoto);
    if (!writeFailure.ok())
        return writeFailure;
    if (!made && made.message.isEmpty())
        return Outcome::failure(QCoreApplication::translate("AlbumFiles", "Работа прервана."));
    return made;
}

Outcome AlbumFiles::writeModernPages(const QString& folder) {
    struct Page {
        QString name;
        QByteArray bytes;
    };
    const auto writePage = [&](const Page& page) {
        const QString path = folder + page.name;
        if (const Outcome written = write(path, page.bytes); !written)
            return failed(QCoreApplication::translate("AlbumFiles", "Не удалось записать страницу"),
                          path, written);
        return Outcome();
    };
    const int count = state_.photoCount();
    for (int k = 1; k <= count; ++k) {
        if (const Outcome written =
                writePage({modernPhotoPageName(k), modernPhotoPage(state_, modernImages_, k)});
            !written)
            return written;
        progress(
            numbered(QCoreApplication::translate("AlbumFiles", "Страница для изображения: "), k),
            0);
    }
    QList<Page> pages = {{modernStyleSheetName(), modernStyleSheet(state_)},
                         {modernScriptName(), modernScript()}};
    for (int p = 1; p <= modernIndexPageCount(count); ++p)
        pages.append({modernIndexPageName(p), modernIndexPage(state_, modernImages_, p)});
    // The entry last: a folder with start.htm is a whole album.
    pages.append({indexPageName(), modernEntryPage(state_)});
    for (const Page& page : std::as_const(pages)) {
        if (const Outcome written = writePage(page); !written)
            return written;
    }
    return {};
}
