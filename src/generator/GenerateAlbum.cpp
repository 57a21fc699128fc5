#include "generator/GenerateAlbum.h"

#include "generator/AlbumChecks.h"
#include "generator/FolderOfPath.h"
#include "generator/IndexPage.h"
#include "generator/PhotoPage.h"
#include "generator/RenamePlan.h"
#include "generator/WebPhotos.h"
#include "steps/AlbumName.h"

#include <exception>

namespace {

QString numbered(const QString& text, int k) {
    // Numbers in captions carry one leading blank.
    return text + QStringLiteral(" ") + QString::number(k);
}

class AlbumGenerator {
public:
    AlbumGenerator(AlbumState& state, const GenerationContext& context)
        : state_(state), context_(context), files_(context.files ? *context.files : realFileOps()),
          sep_(context.separator) {}

    Outcome run() {
        if (const Outcome checked = checkBeforeGeneration(state_, context_); !checked)
            return checked;
        // Web photos: every photo is made in memory before anything is written.
        if (state_.webPhotos) {
            web_ = makeWebPhotos(state_, context_.progress);
            if (!web_)
                return web_;
        }
        return state_.keepSourceFolder ? runCopyMode() : runRenameMode();
    }

private:
    bool withThumbnails() const { return state_.thumbnails; }

    void progress(const QString& text, int pauseMs) {
        if (context_.progress)
            context_.progress->caption(text, pauseMs);
    }

    Outcome failed(const QString& what, const QString& path, const Outcome& result) {
        return {false, QStringLiteral("%1 «%2»: %3.").arg(what, path, result.message)};
    }

    Outcome runCopyMode() {
        state_.albumFolder = state_.sourceFolder + state_.albumName + sep_;
        Outcome result = copyPhotos(state_.albumFolder);
        if (result.ok)
            result = copyNavigationImages(state_.albumFolder);
        if (result.ok)
            result = writePages(state_.albumFolder);
        if (!result.ok)
            result.message +=
                removeCreatedFiles() + QStringLiteral(" Исходные фотографии не изменены.");
        return result;
    }

    Outcome copyPhotos(const QString& folder) {
        if (state_.webPhotos)
            return writeWebPhotos(folder);
        for (int k = 1; k <= state_.photoCount; ++k) {
            const QString target = folder + QStringLiteral("n%1.jpg").arg(k);
            if (const Outcome copied = copy(state_.photoFiles[k], target); !copied)
                return failed(QStringLiteral("Не удалось скопировать фотографию"),
                              state_.photoFiles[k], copied);
            if (withThumbnails()) {
                const QString thumbTarget = folder + QStringLiteral("n%1-m.jpg").arg(k);
                if (const Outcome copied = copy(state_.thumbnailFiles[k], thumbTarget); !copied)
                    return failed(QStringLiteral("Не удалось скопировать миниатюру"),
                                  state_.thumbnailFiles[k], copied);
            }
            progress(QStringLiteral("Копируется файл изображения:\r\n") + state_.photoFiles[k],
                     300);
        }
        return {};
    }

    // Web photos: the photos and thumbnails made before the run wrote anything.
    Outcome writeWebPhotos(const QString& folder) {
        for (int k = 1; k <= state_.photoCount; ++k) {
            const WebPhoto& made = web_.photos[k - 1];
            const QString target = folder + QStringLiteral("n%1.jpg").arg(k);
            if (const Outcome written = write(target, made.photo); !written)
                return failed(QStringLiteral("Не удалось записать фотографию"), target, written);
            if (withThumbnails()) {
                const QString thumbTarget = folder + QStringLiteral("n%1-m.jpg").arg(k);
                if (const Outcome written = write(thumbTarget, made.thumbnail); !written)
                    return failed(QStringLiteral("Не удалось записать миниатюру"), thumbTarget,
                                  written);
            }
            progress(QStringLiteral("Записывается файл изображения:\r\n") + target, 300);
        }
        return {};
    }

    // Rename mode writes every new file before it renames the first photo, so
    // that a failure up to then leaves the folder exactly as it was.
    Outcome runRenameMode() {
        const QString folder = state_.sourceFolder;
        const RenamePlan plan = planPhotoRenames(state_, sep_);
        if (!plan)
            return plan;

        Outcome written = writePages(folder);
        if (written.ok)
            written = copyNavigationImages(folder);
        if (!written.ok) {
            written.message += removeCreatedFiles() +
                               QStringLiteral(" Фотографии не переименованы, папка «%1» осталась "
                                              "без изменений.")
                                   .arg(folder);
            return written;
        }
        bool renamedAny = false;
        const Outcome renamed = carryOutRenames(plan, files_, renamedAny);
        if (!renamed) {
            if (renamedAny)
                return {false, renamed.message};
            return {false, renamed.message + removeCreatedFiles()};
        }

        const QString parent = folderOfPath(folder, sep_);
        const QString oldPath = folder.left(folder.size() - 1);
        const QString newPath = parent + state_.albumName;
        if (newPath != oldPath) {
            const Outcome moved = files_.renameNoReplace(oldPath, newPath);
            if (!moved)
                return {false, QStringLiteral("Альбом готов в папке «%1», но дать ей имя «%2» не "
                                              "удалось: %3.")
                                   .arg(folder, newPath, moved.message)};
        }
        state_.albumFolder = newPath + sep_;
        return {};
    }

    Outcome copyNavigationImages(const QString& folder) {
        for (const QString& name : navigationImageNames()) {
            const QString source = withTrailingSeparator(context_.programFolder, sep_) + name;
            const Outcome copied = copy(source, folder + name);
            if (!copied)
                return failed(QStringLiteral("Не удалось скопировать кнопку навигации"),
                              folder + name, copied);
        }
        return {};
    }

    Outcome writePages(const QString& folder) {
        const int count = state_.photoCount;
        PageText index;
        writeIndexHead(index, state_, context_.typedAlbumName);
        for (int k = 1; k <= count; ++k) {
            writeIndexRow(index, state_, k);
            progress(numbered(QStringLiteral("Добавка указателя на изображение: "), k), 200);
        }
        writeIndexClosing(index);
        const QString indexPath = folder + QStringLiteral("start.htm");
        if (const Outcome written = write(indexPath, index.bytes()); !written)
            return failed(QStringLiteral("Не удалось записать страницу"), indexPath, written);

        for (int k = 1; k <= count; ++k) {
            PageText page;
            writePhotoPage(page, state_, k, context_.typedAlbumName);
            const QString pagePath = folder + QStringLiteral("n%1.htm").arg(k);
            if (const Outcome written = write(pagePath, page.bytes()); !written)
                return failed(QStringLiteral("Не удалось записать страницу"), pagePath, written);
            progress(numbered(QStringLiteral("Страница для изображения: "), k), 300);
        }
        return {};
    }

    // Copies and writes remember their targets, so that a failed run can take
    // away what it made.
    Outcome copy(const QString& from, const QString& to) {
        const Outcome result = files_.copyFile(from, to);
        if (result)
            created_.append(to);
        return result;
    }

    Outcome write(const QString& path, const QByteArray& bytes) {
        const Outcome result = files_.writeFile(path, bytes);
        if (result)
            created_.append(path);
        return result;
    }

    // Removes the files this run made, newest first; returns a sentence naming
    // those that stay, or an empty string.
    QString removeCreatedFiles() {
        QStringList left;
        while (!created_.isEmpty()) {
            const QString path = created_.takeLast();
            if (!files_.removeFile(path))
                left.append(QStringLiteral("«%1»").arg(path));
        }
        if (left.isEmpty())
            return {};
        return QStringLiteral(" Не удалось убрать созданные файлы: %1.")
            .arg(left.join(QStringLiteral(", ")));
    }

    AlbumState& state_;
    const GenerationContext& context_;
    FileOps& files_;
    QChar sep_;
    QStringList created_;
    WebPhotoSet web_;
};

} // namespace

const QStringList& navigationImageNames() {
    static const QStringList names = {QStringLiteral("back-bt.gif"), QStringLiteral("for-bt.gif"),
                                      QStringLiteral("ish-bt.gif")};
    return names;
}

Outcome generateAlbum(AlbumState& state, const GenerationContext& context) {
    try {
        return AlbumGenerator(state, context).run();
    } catch (const std::exception& e) {
        return {false, QStringLiteral("Внутренняя ошибка генерации: %1")
                           .arg(QString::fromLocal8Bit(e.what()))};
    } catch (...) {
        return {false, QStringLiteral("Внутренняя ошибка генерации.")};
    }
}
