#include "FaultyFileOps.h"
#include "Recorders.h"
#include "TestFolder.h"
#include "TestPhotos.h"
#include "generator/GenerateAlbum.h"
#include "platform/ErrorText.h"
#include "platform/RealFileOps.h"
#include "steps/ConfigureAlbum.h"
#include "steps/FolderChange.h"
#include "steps/PhotoChoice.h"
#include "steps/PhotoOrder.h"
#include "steps/PrepareAlbumFolder.h"
#include "steps/TitlesFromNames.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QStringList navigationImages = {"back-bt.gif", "for-bt.gif", "ish-bt.gif"};

// A source folder "Фото" inside a temporary folder, taken through the wizard's
// steps up to the generation window in copy mode.
class CopyAlbum {
public:
    explicit CopyAlbum(const QStringList& names, bool thumbnails = false,
                       const QString& name = QStringLiteral("Лето")) {
        source = root.makeFolder(QStringLiteral("Фото")) + QDir::separator();
        int seed = 1;
        for (const QString& n : names) {
            original.insert(n, makeJpeg(seed++));
            root.writeFile(QStringLiteral("Фото/") + n, original[n]);
        }
        applyStartupDefaults(state, QStringLiteral("/start"));
        EXPECT_TRUE(changeFolder(state, source).ok());
        EXPECT_TRUE(messages.told(configureAlbum(state, name, messages, *files)).ok());
        applySettingsDefaults(state);
        if (thumbnails) {
            EXPECT_TRUE(messages.told(setThumbnails(state, true)).ok());
        }
        EXPECT_TRUE(messages.told(prepareAlbumFolder(state)).ok());
        if (isParseMode(state)) {
            EXPECT_TRUE(messages.told(loadTitlesFromNames(state)).ok());
        }
        state.typedAlbumName = name;
        context.programFolder = programFolder();
        context.progress = &progress;
    }

    Outcome generate() { return generateAlbum(state, context, *files); }
    QString album() const { return source + state.albumName + QDir::separator(); }
    QByteArray albumFile(const QString& name) const { return fileBytes(album() + name); }

    TestFolder root;
    QString source;
    QMap<QString, QByteArray> original;
    AlbumState state;
    ScriptedMessages messages;
    RecordingProgress progress;
    GenerationContext context;
    RealFileOps disk;
    FileOps* files = &disk;
};

QStringList albumEntries(int photos, bool thumbnails) {
    QStringList names = navigationImages;
    names << "start.htm";
    for (int k = 1; k <= photos; ++k) {
        names << QStringLiteral("n%1.jpg").arg(k) << QStringLiteral("n%1.htm").arg(k);
        if (thumbnails)
            names << QStringLiteral("n%1-m.jpg").arg(k);
    }
    names.sort();
    return names;
}

TEST(CopyMode, PhotosInTheirNewOrderPagesAndButtonsSourceUntouched) {
    CopyAlbum a({"a#Альфа.jpg", "b#Бета.jpg", "c#Гамма.jpg"});
    EXPECT_EQ(movePhotoDown(a.state, 0), 1); // b, a, c
    const auto before = treeSnapshot(a.source);

    const Outcome result = a.generate();
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(a.state.albumFolder, a.source + QStringLiteral("Лето") + QDir::separator());
    EXPECT_EQ(sortedEntries(a.album()), albumEntries(3, false));

    EXPECT_EQ(a.albumFile("n1.jpg"), a.original["b#Бета.jpg"]);
    EXPECT_EQ(a.albumFile("n2.jpg"), a.original["a#Альфа.jpg"]);
    EXPECT_EQ(a.albumFile("n3.jpg"), a.original["c#Гамма.jpg"]);
    for (const QString& image : navigationImages) {
        EXPECT_FALSE(a.albumFile(image).isEmpty()) << image.toStdString();
        EXPECT_EQ(a.albumFile(image), fileBytes(programFolder() + QLatin1Char('/') + image));
    }

    // The source photos keep their names and bytes; only the album folder is new.
    auto after = treeSnapshot(a.source);
    for (auto it = after.begin(); it != after.end();) {
        if (it.key() == QStringLiteral("Лето") || it.key().startsWith(QStringLiteral("Лето/")))
            it = after.erase(it);
        else
            ++it;
    }
    EXPECT_EQ(after, before);

    const QStringList index = pageFileLines(a.album() + "start.htm");
    EXPECT_EQ(index.size(), 36 + 5 * 3);
    EXPECT_EQ(index[37], QStringLiteral("<br>b<br>"));
    EXPECT_EQ(index[42], QStringLiteral("<br>a<br>"));
    const QStringList second = pageFileLines(a.album() + "n2.htm");
    EXPECT_EQ(second.size(), 32);
    EXPECT_EQ(second[3], QStringLiteral("Вторая"));
    EXPECT_EQ(second[17], QStringLiteral("a<br></font>"));
    EXPECT_EQ(second[19], QStringLiteral("Альфа<br>&nbsp;</h4>"));
    EXPECT_EQ(pageFileLines(a.album() + "n3.htm").size(), 31);
}

TEST(CopyMode, ThumbnailsAreCopiedBesideTheirPhotos) {
    CopyAlbum a({"sea.jpg", "sea-m.jpg", "sky.jpg", "sky-m.jpg"}, true);
    ASSERT_TRUE(a.state.thumbnails);
    EXPECT_EQ(movePhotoDown(a.state, 0), 1); // sky, sea
    ASSERT_TRUE(a.generate().ok());
    EXPECT_EQ(sortedEntries(a.album()), albumEntries(2, true));
    EXPECT_EQ(a.albumFile("n1.jpg"), a.original["sky.jpg"]);
    EXPECT_EQ(a.albumFile("n1-m.jpg"), a.original["sky-m.jpg"]);
    EXPECT_EQ(a.albumFile("n2.jpg"), a.original["sea.jpg"]);
    EXPECT_EQ(a.albumFile("n2-m.jpg"), a.original["sea-m.jpg"]);
    const QStringList index = pageFileLines(a.album() + "start.htm");
    EXPECT_TRUE(index[38].startsWith(QStringLiteral("<a href=n1.htm><img src=n1-m.jpg  alt=")));
    EXPECT_TRUE(pageFileLines(a.album() + "n1.htm")[22].startsWith(
        QStringLiteral("<img src=n1.jpg height=\"100%\" width=\"100%\"")));
}

TEST(CopyMode, ProgressCaptionsForEveryStep) {
    QStringList names;
    for (int i = 1; i <= 10; ++i)
        names << QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    CopyAlbum a(names);
    ASSERT_TRUE(a.generate().ok());

    const auto& captions = a.progress.captions;
    ASSERT_EQ(captions.size(), 30);
    for (int k = 1; k <= 10; ++k) {
        EXPECT_EQ(captions[k - 1].text,
                  QStringLiteral("Копируется файл изображения:\r\n") + a.state.photo(k).file);
        EXPECT_EQ(captions[k - 1].pauseMs, 300);
        EXPECT_EQ(captions[9 + k].text,
                  QStringLiteral("Добавка указателя на изображение:  ") + QString::number(k));
        EXPECT_EQ(captions[9 + k].pauseMs, 200);
        EXPECT_EQ(captions[19 + k].text,
                  QStringLiteral("Страница для изображения:  ") + QString::number(k));
        EXPECT_EQ(captions[19 + k].pauseMs, 300);
    }
    EXPECT_EQ(captions[29].text, QStringLiteral("Страница для изображения:  10"));
    EXPECT_EQ(captions[0].text, QStringLiteral("Копируется файл изображения:\r\n") + a.source +
                                    QStringLiteral("p01.jpg"));
    EXPECT_EQ(a.albumFile("n10.jpg"), a.original["p10.jpg"]);
    EXPECT_EQ(pageFileLines(a.album() + "n10.htm").size(), 31);
}

// The album folder appears complete in one step, so a second run finds an album
// of that name and leaves it as it is.
TEST(CopyMode, SecondRunLeavesTheFirstAlbumAlone) {
    CopyAlbum a({"a.jpg", "b.jpg"});
    ASSERT_TRUE(a.generate().ok());
    EXPECT_EQ(a.albumFile("n1.jpg"), a.original["a.jpg"]);
    const auto made = treeSnapshot(a.root.path());

    EXPECT_EQ(movePhotoDown(a.state, 0), 1);
    a.state.photo(1).title = QStringLiteral("Новый");
    const Outcome again = a.generate();
    ASSERT_FALSE(again.ok());
    EXPECT_TRUE(again.message.contains(QStringLiteral("уже существует")))
        << again.message.toStdString();
    EXPECT_EQ(treeSnapshot(a.root.path()), made);
    EXPECT_EQ(sortedEntries(a.album()), albumEntries(2, false));
}

TEST(CopyMode, EmptyAlbumGetsItsIndexAndButtons) {
    CopyAlbum a({"a.jpg"});
    a.state.photos.resize(0);
    ASSERT_TRUE(a.generate().ok());
    EXPECT_EQ(a.state.albumFolder, a.album());
    EXPECT_EQ(sortedEntries(a.album()), albumEntries(0, false));
    EXPECT_EQ(pageFileLines(a.album() + "start.htm").size(), 36);
    EXPECT_TRUE(a.progress.captions.isEmpty());
}

// Every refusal comes before anything on disk changes.
struct Refusal {
    const char* what;
    std::function<void(CopyAlbum&)> spoil;
    std::function<QString(const CopyAlbum&)> named; // text the message must hold
};

TEST(CopyModeRefusals, NothingIsCopiedOrWritten) {
    const QList<Refusal> refusals = {
        {"photo deleted after the scan", [](CopyAlbum& a) { QFile::remove(a.state.photo(2).file); },
         [](const CopyAlbum& a) { return a.state.photo(2).file; }},
        {"photo replaced by a folder",
         [](CopyAlbum& a) {
             QFile::remove(a.state.photo(3).file);
             QDir().mkdir(a.state.photo(3).file);
         },
         [](const CopyAlbum& a) { return a.state.photo(3).file; }},
        {"album name that leaves the folder",
         [](CopyAlbum& a) { a.state.albumName = QStringLiteral("../Лето"); },
         [](const CopyAlbum&) { return QStringLiteral("имя альбома"); }},
        {"album folder made by someone else meanwhile",
         [](CopyAlbum& a) { QDir().mkdir(a.source + QStringLiteral("ЛЕТО")); },
         [](const CopyAlbum&) { return QStringLiteral("уже существует"); }},
        {"navigation images missing",
         [](CopyAlbum& a) { a.context.programFolder = a.source + QStringLiteral("Лето"); },
         [](const CopyAlbum&) { return QStringLiteral("back-bt.gif"); }},
        {"more than 20 photos with thumbnails",
         [](CopyAlbum& a) {
             a.state.thumbnails = true;
             a.state.photos.resize(21);
         },
         [](const CopyAlbum&) { return QStringLiteral("20"); }},
        {"thumbnail missing",
         [](CopyAlbum& a) {
             a.state.thumbnails = true;
             a.state.photo(1).thumbnail = a.source + QStringLiteral("нет-m.jpg");
         },
         [](const CopyAlbum& a) { return a.source + QStringLiteral("нет-m.jpg"); }},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.what);
        CopyAlbum a({"a.jpg", "b.jpg", "c.jpg"});
        r.spoil(a);
        const auto before = treeSnapshot(a.root.path());
        const Outcome result = a.generate();
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.message.contains(r.named(a))) << result.message.toStdString();
        EXPECT_EQ(treeSnapshot(a.root.path()), before);
        EXPECT_TRUE(a.progress.captions.isEmpty());
    }
}

TEST(CopyModeFailures, FailedCopyNamesThePhotoAndTheReason) {
    CopyAlbum a({"a.jpg", "b.jpg", "c.jpg"});
    FaultyFileOps files;
    files.failWhen(
        [](const FaultyFileOps::Call& call) {
            return call.kind == FaultyFileOps::Kind::Copy &&
                   call.target.endsWith(QDir::separator() + QStringLiteral("n2.jpg"));
        },
        EROFS);
    a.files = &files;
    const Outcome result = a.generate();
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(files.failures(), 1);
    EXPECT_TRUE(result.message.contains(a.state.photo(2).file)) << result.message.toStdString();
    EXPECT_TRUE(result.message.contains(describeErrno(EROFS)));
    EXPECT_FALSE(QFile::exists(a.album() + "start.htm"));
    EXPECT_FALSE(QFile::exists(a.album() + "n3.jpg"));
}

} // namespace
