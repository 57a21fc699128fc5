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
