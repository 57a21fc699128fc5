#include "TestFolder.h"
#include "platform/FileStatus.h"
#include "platform/FsPath.h"
#include "platform/RealFileOps.h"
#include "state/AlbumLayout.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(TrailingSeparator, AddedOnceAndNeverDoubled) {
    const QChar bs = QLatin1Char('\\');
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("D:\\Photos"), bs),
              QStringLiteral("D:\\Photos\\"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("D:\\"), bs), QStringLiteral("D:\\"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/home/u"), QLatin1Char('/')),
              QStringLiteral("/home/u/"));
    EXPECT_EQ(withTrailingSeparator(QStringLiteral("/"), QLatin1Char('/')), QStringLiteral("/"));
    EXPECT_EQ(nativeSeparator(), QDir::separator());
    // Taken off again, but never from a root: "D:" alone is drive D's current folder.
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("/home/u//"), QLatin1Char('/')),
              QStringLiteral("/home/u"));
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("/"), QLatin1Char('/')), QStringLiteral("/"));
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("D:\\\\"), bs), QStringLiteral("D:\\"));
    EXPECT_EQ(withoutTrailingSeparator(QStringLiteral("D:\\a\\"), bs), QStringLiteral("D:\\a"));
}

TEST(BareName, LastComponent) {
    EXPECT_EQ(bareName(QStringLiteral("/a/b/Море#Закат.jpg"), QLatin1Char('/')),
              QStringLiteral("Море#Закат.jpg"));
    EXPECT_EQ(bareName(QStringLiteral("D:\\Photos\\sea.jpg"), QLatin1Char('\\')),
              QStringLiteral("sea.jpg"));
    EXPECT_EQ(bareName(QStringLiteral("sea.jpg"), QLatin1Char('/')), QStringLiteral("sea.jpg"));
}

// Names from the disk come back to the disk byte for byte, valid UTF-8 or not;
// a name that is not UTF-8 reads as Windows-1251.
TEST(FsBytes, EveryNameRoundTripsAndOldNamesReadAsWindows1251) {
    const QList<std::pair<QByteArray, QString>> names = {
        {"plain.jpg", QStringLiteral("plain.jpg")},
        {"\xd0\x9b\xd0\xb5\xd1\x81.jpg", QStringLiteral("Лес.jpg")},
        {"\xcb\xe5\xf1.jpg", QStringLiteral("Лес.jpg")}, // Windows-1251
        {"\xed\xa0\x80\xc0\xaf\xff.jpg", QString()},     // surrogate, overlong
        {"\xf0\x9f\x98\x80\xe2\x82.jpg", QString()},     // emoji, cut sequence
    };
    for (const auto& [bytes, readable] : names) {
        const QString name = fromFsBytes(bytes);
        EXPECT_EQ(toFsBytes(name), bytes) << bytes.toHex().constData();
        EXPECT_EQ(hasUndecodableBytes(name), bytes != name.toUtf8()) << bytes.toHex().constData();
        if (!readable.isEmpty()) {
            EXPECT_EQ(readableName(name), readable) << bytes.toHex().constData();
        }
    }
}

TEST(RealFileOps, RenameNeverReplacesAnExistingEntry) {
    TestFolder folder;
    folder.writeFile(QStringLiteral("a.jpg"), "A");
    folder.writeFile(QStringLiteral("b.jpg"), "B");
    RealFileOps ops;
    const Outcome result = ops.renameNoReplace(folder.filePath(QStringLiteral("a.jpg")),
                                               folder.filePath(QStringLiteral("b.jpg")));
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.message.isEmpty());
    EXPECT_EQ(folder.readFile(QStringLiteral("a.jpg")), "A");
    EXPECT_EQ(folder.readFile(QStringLiteral("b.jpg")), "B");

    EXPECT_TRUE(ops.renameNoReplace(folder.filePath(QStringLiteral("a.jpg")),
                                    folder.filePath(QStringLiteral("c.jpg")))
                    .ok());
    EXPECT_FALSE(folder.exists(QStringLiteral("a.jpg")));
    EXPECT_EQ(folder.readFile(QStringLiteral("c.jpg")), "A");
}

// Nothing is replaced and no link is followed to the place a change is made:
// an existing name, a link in a file's place and a link in a folder's place
// all leave the file they point to as it was.
TEST(RealFileOps, CreatesOnlyNewFilesAndNeverChangesThroughALink) {
    TestFolder folder;
    folder.writeFile(QStringLiteral("src.jpg"), "new");
    folder.writeFile(QStringLiteral("dst.jpg"), "old");
    folder.makeFolder(QStringLiteral("outside"));
    folder.writeFile(QStringLiteral("outside/secret.txt"), "secret");
    const QString outside = folder.filePath(QStringLiteral("outside"));
    // Wine cannot make links: there only the plain rows run.
    const bool links = makeSymlink(folder.filePath(QStringLiteral("outside/secret.txt")),
                                   folder.filePath(QStringLiteral("link.htm"))) &&
                       makeSymlink(outside, folder.filePath(QStringLiteral("linked")));
    RealFileOps ops;
    QStringList targets = {QStringLiteral("dst.jpg")};
    if (links)
        targets << QStringLiteral("link.htm") << QStringLiteral("linked/secret.txt");
    for (const QString& target : targets) {
        EXPECT_FALSE(
            ops.copyFile(folder.filePath(QStringLiteral("src.jpg")), folder.filePath(target)));
        EXPECT_FALSE(ops.writeFile(folder.filePath(target), "page"));
    }
    if (links) {
        EXPECT_FALSE(ops.removeFile(folder.filePath(QStringLiteral("linked/secret.txt"))));
        EXPECT_TRUE(ops.removeFile(folder.filePath(QStringLiteral("link.htm"))));
    }
    EXPECT_EQ(folder.readFile(QStringLiteral("dst.jpg")), "old");
    EXPECT_EQ(folder.readFile(QStringLiteral("outside/secret.txt")), "secret");

    // A copy keeps the original's permission bits: a private photo stays private.
    QFile::setPermissions(folder.filePath(QStringLiteral("src.jpg")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(ops.copyFile(folder.filePath(QStringLiteral("src.jpg")),
                             folder.filePath(QStringLiteral("copy.jpg"))));
#ifndef _WIN32 // where a copy takes its folder's permissions
    EXPECT_EQ(QFile::permissions(folder.filePath(QStringLiteral("copy.jpg"))).toInt() & 0x0077, 0);
#else // a colon would write a hidden stream of the file
    EXPECT_FALSE(ops.writeFile(folder.filePath(QStringLiteral("dst.jpg:hidden")), "x"));
#endif

    EXPECT_TRUE(ops.makeFolder(folder.filePath(QStringLiteral("Лето"))).ok());
    EXPECT_FALSE(ops.makeFolder(folder.filePath(QStringLiteral("Лето"))).ok());
    EXPECT_FALSE(ops.makeFolder(folder.filePath(QStringLiteral("src.jpg"))).ok());
}

TEST(RealFileOps, FailuresCarryARussianReason) {
    TestFolder folder;
    RealFileOps ops;
    const Outcome copy = ops.copyFile(folder.filePath(QStringLiteral("missing.jpg")),
                                      folder.filePath(QStringLiteral("x.jpg")));
    EXPECT_FALSE(copy.ok());
    EXPECT_EQ(copy.message, QStringLiteral("файл или папка не найдены"));
    EXPECT_FALSE(folder.exists(QStringLiteral("x.jpg")));

    const Outcome write = ops.writeFile(folder.filePath(QStringLiteral("no/such/start.htm")), "x");
    EXPECT_FALSE(write.ok());
    EXPECT_EQ(write.message, QStringLiteral("файл или папка не найдены"));
}

} // namespace
