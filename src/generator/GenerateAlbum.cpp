#include "generator/GenerateAlbum.h"

#include "generator/AlbumChecks.h"
#include "generator/IndexPage.h"
#include "generator/PhotoPage.h"
#include "generator/RenamePlan.h"
#include "generator/WebPhotos.h"
#include "platform/FolderLock.h"
#include "steps/AlbumName.h"
#include "steps/InterruptedRun.h"

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
        // One run per folder: the caller's lock is shared, or one is taken here,
        // before anything is checked.
        const Result<FolderLock> lock = FolderLock::acquire(state_.sourceFolder);
        if (!lock)
            return lock;
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
        const QString finalFolder = state_.sourceFolder + state_.albumName;
        const QString part = state_.sourceFolder + partFolderName();
        if (const Outcome cleared = clearCopyLeftovers(state_.sourceFolder, {}, files_); !cleared)
            return cleared;
        if (const Outcome made = files_.makeFolder(part); !made)
            return failed(QStringLiteral("Не удалось создать папку"), part, made);
        const QString mark = part + sep_ + partMarkName();
        Outcome result = write(mark, QByteArrayLiteral("photoalbum: album being written\n"));
        if (!result.ok)
            result = failed(QStringLiteral("Не удалось записать файл"), mark, result);
        if (result.ok)
            result = copyPhotos(part + sep_);
        if (result.ok)
            result = copyNavigationImages(part + sep_);
        if (result.ok)
            result = writePages(part + sep_);
        if (result.ok && stopRequested())
            result = Outcome::failure(QStringLiteral("Работа прервана."));
        bool published = false;
        if (result.ok) {
            if (const Outcome moved = files_.renameNoReplace(part, finalFolder); !moved)
                result =
                    failed(QStringLiteral("Не удалось дать папке альбома имя"), finalFolder, moved);
            else
                published = true;
        }
        if (result.ok) {
            const QString publishedMark = finalFolder + sep_ + partMarkName();
            if (const Outcome removed = files_.removeFile(publishedMark); !removed)
                result = failed(QStringLiteral("Не удалось убрать файл"), publishedMark, removed);
        }
        if (!result.ok) {
            QString left;
            if (published && !files_.renameNoReplace(finalFolder, part))
                left = QStringLiteral(" Не удалось убрать созданную папку «%1».").arg(finalFolder);
            else
                left = removeCreatedFiles(part);
            result.message += left + QStringLiteral(" Исходные фотографии не изменены.");
            return result;
        }
        state_.albumFolder = finalFolder + sep_;
        return {};
    }

    bool stopRequested() const { return context_.stopRequested && context_.stopRequested(); }

    Outcome checkStop() const {
        if (stopRequested())
            return Outcome::failure(QStringLiteral("работа прервана"));
        return {};
    }

    // Puts every photo (and its thumbnail) into the album: copied from the
    // original, or, with web photos, written as made before the run began.
    Outcome copyPhotos(const QString& folder) {
        for (int k = 1; k <= state_.photoCount; ++k) {
            const QString target = folder + QStringLiteral("n%1.jpg").arg(k);
            if (const Outcome placed = placePhoto(k, false, target); !placed)
                return placed;
            if (withThumbnails()) {
                if (const Outcome placed =
                        placePhoto(k, true, folder + QStringLiteral("n%1-m.jpg").arg(k));
                    !placed)
                    return placed;
            }
            if (state_.webPhotos)
                progress(QStringLiteral("Записывается файл изображения:\r\n") + target, 300);
            else
                progress(QStringLiteral("Копируется файл изображения:\r\n") + state_.photoFiles[k],
                         300);
        }
        return {};
    }

    Outcome placePhoto(int k, bool thumbnail, const QString& target) {
        if (state_.webPhotos) {
            const WebPhoto& made = web_.photos.at(k - 1);
            const Outcome written = write(target, thumbnail ? made.thumbnail : made.photo);
            if (!written)
                return failed(thumbnail ? QStringLiteral("Не удалось записать миниатюру")
                                        : QStringLiteral("Не удалось записать фотографию"),
                              target, written);
            return {};
        }
        const QString& original = thumbnail ? state_.thumbnailFiles[k] : state_.photoFiles[k];
        const Outcome copied = copy(original, target);
        if (!copied)
            return failed(thumbnail ? QStringLiteral("Не удалось скопировать миниатюру")
                                    : QStringLiteral("Не удалось скопировать фотографию"),
                          original, copied);
        return {};
    }

    // Rename mode writes its journal first, then every new file, then gives the
    // folder the album's name (the likeliest failure) and last the photos theirs.
    // Whatever fails or stops it after the journal is written, the journal puts
    // every name back.
    Outcome runRenameMode() {
        const QString folder = state_.sourceFolder;
        const RenamePlan plan = planPhotoRenames(state_, sep_);
        if (!plan)
            return plan;

        RenameJournal journal;
        journal.originalFolder = folder.left(folder.size() - 1);
        journal.albumFolder = plan.albumFolder;
        journal.createdFiles.append(QStringLiteral("start.htm"));
        for (int k = 1; k <= state_.photoCount; ++k)
            journal.createdFiles.append(QStringLiteral("n%1.htm").arg(k));
        journal.createdFiles += navigationImageNames();
        journal.renames = plan.renames;
        const QString journalPath = folder + journalFileName();
        if (const Outcome written = files_.writeFileDurably(journalPath, encodeJournal(journal));
            !written) {
            Outcome result =
                failed(QStringLiteral("Не удалось записать файл"), journalPath, written);
            result.message +=
                QStringLiteral(" Фотографии не переименованы, папка «%1» осталась без изменений.")
                    .arg(folder);
            return result;
        }

        QString now = journal.originalFolder;
        Outcome result = writePages(folder);
        if (result.ok)
            result = copyNavigationImages(folder);
        if (result.ok && stopRequested())
            result = Outcome::failure(QStringLiteral("Работа прервана."));
        if (result.ok && journal.albumFolder != now) {
            if (const Outcome moved = files_.renameNoReplace(now, journal.albumFolder); !moved)
                result = failed(QStringLiteral("Не удалось переименовать папку"), now, moved);
            else
                now = journal.albumFolder;
        }
        const QString at = now + sep_;
        for (const bool aside : {true, false}) {
            for (const PhotoRename& r : plan.renames) {
                if (!result.ok)
                    break;
                if (aside && r.temporary.isEmpty())
                    continue;
                const QString from = at + (aside || r.temporary.isEmpty() ? r.from : r.temporary);
                const QString to = at + (aside ? r.temporary : r.to);
                if (stopRequested()) {
                    result = {
                        false,
                        QStringLiteral("Работа прервана перед переименованием «%1».").arg(from)};
                    break;
                }
                if (const Outcome moved = files_.renameNoReplace(from, to); !moved)
                    result = {false, QStringLiteral("Не удалось переименовать «%1» в «%2»: %3.")
                                         .arg(from, to, moved.message)};
            }
        }
        if (result.ok) {
            if (const Outcome removed = files_.removeFile(at + journalFileName()); !removed)
                result = failed(QStringLiteral("Не удалось убрать файл"), at + journalFileName(),
                                removed);
        }
        if (!result.ok) {
            const Outcome undone = undoJournal(journal, now, files_);
            result.message +=
                undone ? QStringLiteral(" Все изменения отменены: папка «%1» осталась как была.")
                             .arg(journal.originalFolder)
                       : QLatin1Char(' ') + undone.message;
            return result;
        }
        state_.albumFolder = at;
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
        if (const Outcome stop = checkStop(); !stop)
            return stop;
        const Outcome result = files_.copyFile(from, to);
        if (result)
            created_.append(to);
        return result;
    }

    Outcome write(const QString& path, const QByteArray& bytes) {
        if (const Outcome stop = checkStop(); !stop)
            return stop;
        const Outcome result = files_.writeFile(path, bytes);
        if (result)
            created_.append(path);
        return result;
    }

    // Removes the files this run made, newest first, and then the folder they
    // are in; returns a sentence naming those that stay, or an empty string.
    QString removeCreatedFiles(const QString& folder) {
        QStringList left;
        while (!created_.isEmpty()) {
            const QString path = created_.takeLast();
            if (!files_.removeFile(path))
                left.append(QStringLiteral("«%1»").arg(path));
        }
        if (!files_.removeEmptyFolder(folder))
            left.append(QStringLiteral("«%1»").arg(folder));
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
