#include "Recorders.h"
#include "TestFolder.h"
#include "TestPhotos.h"
#include "generator/GenerateAlbum.h"
#include "generator/RenamePlan.h"
#include "platform/RealFileOps.h"
#include "steps/ConfigureAlbum.h"
#include "steps/FolderChange.h"
#include "steps/InterruptedRun.h"
#include "steps/PhotoChoice.h"
#include "steps/PhotoOrder.h"
#include "steps/PrepareAlbumFolder.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A source folder "Trip" inside a temporary folder, taken through the wizard's
// steps in rename mode: the folder itself becomes the album "Summer".
class RenameAlbum {
public:
    explicit RenameAlbum(const QStringList& names, bool thumbnails = false) {
        source = root.makeFolder(QStringLiteral("Trip")) + QDir::separator();
        int seed = 1;
        for (const QString& n : names) {
            original.insert(n, makeJpeg(seed++));
            root.writeFile(QStringLiteral("Trip/") + n, original[n]);
        }
        applyStartupDefaults(state, QStringLiteral("/start"));
        EXPECT_TRUE(changeFolder(state, source).ok());
        EXPECT_TRUE(
            messages.told(configureAlbum(state, QStringLiteral("Summer"), messages, *files)).ok());
        applySettingsDefaults(state);
        state.keepSourceFolder = false;
        state.titlesFromFileNames = false;
        if (thumbnails) {
            EXPECT_TRUE(messages.told(setThumbnails(state, true)).ok());
        }
        EXPECT_TRUE(messages.told(prepareAlbumFolder(state)).ok());
        state.typedAlbumName = state.albumName;
        context.programFolder = programFolder();
        context.progress = &progress;
    }

    Outcome generate() { return generateAlbum(state, context, *files); }
    QString album() const {
        return root.withSeparator() + QStringLiteral("Summer") + QDir::separator();
    }
    QByteArray albumFile(const QString& name) const { return fileBytes(album() + name); }

    QList<QByteArray> originalContents() const {
        QList<QByteArray> contents = original.values();
        std::sort(contents.begin(), contents.end());
        return contents;
    }

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

TEST(RenameMode, SourceFolderBecomesTheAlbum) {
    RenameAlbum a({"a.jpg", "b.jpg", "c.jpg"});
    EXPECT_EQ(movePhotoUp(a.state, 2), 1); // a, c, b
    const QString oldFirst = a.state.photo(1).file;

    const Outcome result = a.generate();
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(a.root.entries(), QStringList{QStringLiteral("Summer")});
    EXPECT_EQ(a.state.albumFolder, a.album());
    const QStringList expected = {"back-bt.gif", "for-bt.gif", "ish-bt.gif", "n1.htm", "n1.jpg",
                                  "n2.htm",      "n2.jpg",     "n3.htm",     "n3.jpg", "start.htm"};
    EXPECT_EQ(sortedEntries(a.album()), expected);
    EXPECT_EQ(a.albumFile("n1.jpg"), a.original["a.jpg"]);
    EXPECT_EQ(a.albumFile("n2.jpg"), a.original["c.jpg"]);
    EXPECT_EQ(a.albumFile("n3.jpg"), a.original["b.jpg"]);
    EXPECT_EQ(a.albumFile("ish-bt.gif"), fileBytes(programFolder() + "/ish-bt.gif"));
    EXPECT_EQ(pageFileLines(a.album() + "start.htm").size(), 36 + 15);
    // Nothing is copied in rename mode: captions for rows and pages only.
    ASSERT_EQ(a.progress.captions.size(), 6);
    EXPECT_EQ(a.progress.captions[0].text, QStringLiteral("Добавка указателя на изображение:  1"));
    EXPECT_EQ(a.progress.captions[5].text, QStringLiteral("Страница для изображения:  3"));
    // The state keeps the old paths.
    EXPECT_EQ(a.state.sourceFolder, a.source);
    EXPECT_EQ(a.state.photo(1).file, oldFirst);
}

TEST(RenameMode, ThumbnailsGetTheirAlbumNames) {
    RenameAlbum a({"sea.jpg", "sea-m.jpg", "sky.jpg", "sky-m.jpg"}, true);
    EXPECT_EQ(movePhotoDown(a.state, 0), 1);
    ASSERT_TRUE(a.generate().ok());
    EXPECT_EQ(a.albumFile("n1.jpg"), a.original["sky.jpg"]);
    EXPECT_EQ(a.albumFile("n1-m.jpg"), a.original["sky-m.jpg"]);
    EXPECT_EQ(a.albumFile("n2.jpg"), a.original["sea.jpg"]);
    EXPECT_EQ(a.albumFile("n2-m.jpg"), a.original["sea-m.jpg"]);
    EXPECT_EQ(sortedEntries(a.album()).size(), 3 + 1 + 2 * 3);
}

TEST(RenameMode, PhotosAlreadyNamedLikeAlbumFilesAreNeverLost) {
    struct Case {
        const char* what;
        QStringList names;
        int moveDownLine; // -1: keep the listing order
        QStringList expectedOrder;
    };
    const QList<Case> cases = {
        {"chain a->n1->n2->n3", {"a.jpg", "n1.jpg", "n2.jpg"}, -1, {"a.jpg", "n1.jpg", "n2.jpg"}},
        {"swap n1 and n2", {"n1.jpg", "n2.jpg"}, 0, {"n2.jpg", "n1.jpg"}},
        {"already in place", {"n1.jpg", "n2.jpg"}, -1, {"n1.jpg", "n2.jpg"}},
        {"other letter case", {"N2.JPG", "N1.JPG"}, -1, {"N1.JPG", "N2.JPG"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RenameAlbum a(c.names);
        if (c.moveDownLine >= 0)
            movePhotoDown(a.state, c.moveDownLine);
        const Outcome result = a.generate();
        ASSERT_TRUE(result.ok()) << result.message.toStdString();
        EXPECT_EQ(photoContents(a.album()), a.originalContents());
        for (int k = 1; k <= c.expectedOrder.size(); ++k)
            EXPECT_EQ(a.albumFile(QStringLiteral("n%1.jpg").arg(k)),
                      a.original[c.expectedOrder[k - 1]])
                << k;
        for (const QString& name : sortedEntries(a.album()))
            EXPECT_FALSE(name.endsWith(temporaryNameSuffix())) << name.toStdString();
    }
}

TEST(RenameModeRefusals, NothingChangesOnDisk) {
    struct Case {
        const char* what;
        std::function<void(RenameAlbum&)> spoil;
        std::function<QString(const RenameAlbum&)> named;
    };
    const QList<Case> cases = {
        {"n1.jpg that is no photo of the album",
         [](RenameAlbum& a) { a.root.writeFile(QStringLiteral("Trip/n1.jpg"), "foreign"); },
         [](const RenameAlbum& a) { return a.source + QStringLiteral("n1.jpg"); }},
        {"N1.JPG that is no photo of the album",
         [](RenameAlbum& a) { a.root.writeFile(QStringLiteral("Trip/N1.JPG"), "foreign"); },
         [](const RenameAlbum& a) { return a.source + QStringLiteral("N1.JPG"); }},
        {"folder named n2.jpg",
         [](RenameAlbum& a) { a.root.makeFolder(QStringLiteral("Trip/n2.jpg")); },
         [](const RenameAlbum& a) { return a.source + QStringLiteral("n2.jpg"); }},
        {"folder named like the album beside the source",
         [](RenameAlbum& a) { a.root.makeFolder(QStringLiteral("Summer")); },
         [](const RenameAlbum& a) { return a.root.withSeparator() + QStringLiteral("Summer"); }},
        {"file named like the album in another case beside the source",
         [](RenameAlbum& a) { a.root.writeFile(QStringLiteral("SUMMER"), "x"); },
         [](const RenameAlbum& a) { return a.root.withSeparator() + QStringLiteral("SUMMER"); }},
        {"photo deleted after the scan",
         [](RenameAlbum& a) { QFile::remove(a.state.photo(1).file); },
         [](const RenameAlbum& a) { return a.state.photo(1).file; }},
        {"invalid album name", [](RenameAlbum& a) { a.state.albumName = QStringLiteral("a/b"); },
         [](const RenameAlbum&) { return QStringLiteral("имя альбома"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RenameAlbum a({"a.jpg", "b.jpg"});
        c.spoil(a);
        const auto before = treeSnapshot(a.root.path());
        const Outcome result = a.generate();
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.message.contains(c.named(a))) << result.message.toStdString();
        EXPECT_EQ(treeSnapshot(a.root.path()), before);
        EXPECT_TRUE(a.state.albumFolder.isEmpty());
    }
}

TEST(RenameModeRefusals, SourceWithoutAParentFolderIsRefused) {
    // A relative folder name holds no separator before its last character, as a
    // drive root does not: there is nothing to put the renamed album beside.
    RenameAlbum a({"a.jpg", "b.jpg"});
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(a.root.path()));
    a.state.sourceFolder = QStringLiteral("Trip/");
    a.state.photo(1).file = QStringLiteral("Trip/a.jpg");
    a.state.photo(2).file = QStringLiteral("Trip/b.jpg");
    const auto before = treeSnapshot(a.root.path());
    const Outcome result = a.generate();
    QDir::setCurrent(saved);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.message.isEmpty());
    EXPECT_EQ(treeSnapshot(a.root.path()), before);
}

TEST(RenameMode, AlbumNamedLikeItsOwnFolderKeepsTheFolder) {
    RenameAlbum a({"a.jpg"});
    a.state.albumName = QStringLiteral("Trip");
    ASSERT_TRUE(a.generate().ok());
    EXPECT_EQ(a.state.albumFolder, a.source);
    EXPECT_EQ(a.root.entries(), QStringList{QStringLiteral("Trip")});
    EXPECT_EQ(fileBytes(a.source + "n1.jpg"), a.original["a.jpg"]);
}

TEST(RenameMode, EmptyAlbumStillGetsButtonsAndTheNewName) {
    RenameAlbum a({"a.jpg"});
    a.state.photos.resize(0);
    ASSERT_TRUE(a.generate().ok());
    EXPECT_EQ(a.state.albumFolder, a.album());
    const QStringList expected = {"a.jpg", "back-bt.gif", "for-bt.gif", "ish-bt.gif", "start.htm"};
    EXPECT_EQ(sortedEntries(a.album()), expected);
    EXPECT_EQ(pageFileLines(a.album() + "start.htm").size(), 36);
}

} // namespace
