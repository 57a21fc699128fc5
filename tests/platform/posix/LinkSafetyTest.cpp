#include "TestFolder.h"
#include "platform/FileStatus.h"
#include "platform/RealFileOps.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
    ::symlink(QFile::encodeName(outside + "/secret.txt").constData(),
              QFile::encodeName(folder.filePath(QStringLiteral("link.htm"))).constData());
    ::symlink(QFile::encodeName(outside).constData(),
              QFile::encodeName(folder.filePath(QStringLiteral("linked"))).constData());
    RealFileOps ops;
    for (const QString& target : {QStringLiteral("dst.jpg"), QStringLiteral("link.htm"),
                                  QStringLiteral("linked/secret.txt")}) {
        EXPECT_FALSE(
            ops.copyFile(folder.filePath(QStringLiteral("src.jpg")), folder.filePath(target)));
        EXPECT_FALSE(ops.writeFile(folder.filePath(target), "page"));
    }
    EXPECT_FALSE(ops.removeFile(folder.filePath(QStringLiteral("linked/secret.txt"))));
    EXPECT_TRUE(ops.removeFile(folder.filePath(QStringLiteral("link.htm"))));
    EXPECT_EQ(folder.readFile(QStringLiteral("dst.jpg")), "old");
    EXPECT_EQ(folder.readFile(QStringLiteral("outside/secret.txt")), "secret");

    // A copy keeps the original's permission bits: a private photo stays private.
    ::chmod(QFile::encodeName(folder.filePath(QStringLiteral("src.jpg"))).constData(), 0600);
    ASSERT_TRUE(ops.copyFile(folder.filePath(QStringLiteral("src.jpg")),
                             folder.filePath(QStringLiteral("copy.jpg"))));
    EXPECT_EQ(QFile::permissions(folder.filePath(QStringLiteral("copy.jpg"))).toInt() & 0x0077, 0);

    EXPECT_TRUE(ops.makeFolder(folder.filePath(QStringLiteral("Лето"))).ok());
    EXPECT_FALSE(ops.makeFolder(folder.filePath(QStringLiteral("Лето"))).ok());
    EXPECT_FALSE(ops.makeFolder(folder.filePath(QStringLiteral("src.jpg"))).ok());
}

// A photo is opened for reading only as an ordinary file, through a link only of
// the user's own or root's: inotify sees whether a pipe in its place was opened.
TEST(OrdinaryFile, NothingElseIsOpenedAndNoLinkOfAnotherUserFollowed) {
    TestFolder folder;
    folder.writeFile(QStringLiteral("a.jpg"), "A");
    const auto at = [&](const char* name) { return QFile::encodeName(folder.filePath(name)); };
    ::symlink("a.jpg", at("b.jpg"));
    ::mkfifo(at("pipe.jpg"), 0600);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ::inotify_add_watch(watch, at("pipe.jpg"), IN_OPEN);
    char event[256];
    ::close(::open(at("pipe.jpg"), O_PATH | O_CLOEXEC)); // older kernels report it
    const bool pathHandlesSeen = ::read(watch, event, sizeof event) > 0;
    EXPECT_EQ(openOrdinaryFile(folder.filePath("pipe.jpg")).message, "это не обычный файл");
    EXPECT_TRUE(pathHandlesSeen || ::read(watch, event, sizeof event) < 0) << "opened";
    ::close(watch);
    const Result<int> own = openOrdinaryFile(folder.filePath("b.jpg"));
    ASSERT_TRUE(own.ok()) << own.message.toStdString();
    EXPECT_EQ(::read(own.value, event, sizeof event), 1);
    ::close(own.value);
    if (::lchown(at("b.jpg"), 65534, 65534) == 0) {
        EXPECT_EQ(openOrdinaryFile(folder.filePath("b.jpg")).message,
                  "это символическая ссылка другого пользователя");
    }
}

} // namespace
