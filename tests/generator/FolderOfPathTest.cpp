#include "generator/FolderOfPath.h"

#include <gtest/gtest.h>

namespace {

struct FolderCase {
    const char* path;
    char separator;
    const char* folder;
};

class FolderOfPathResult : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderOfPathResult, KeepsTheTrailingSeparator) {
    const FolderCase& c = GetParam();
    const QString path = QString::fromUtf8(c.path);
    EXPECT_EQ(folderOfPath(path, QLatin1Char(c.separator)), QString::fromUtf8(c.folder)) << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FolderOfPathResult,
    ::testing::Values(FolderCase{"D:\\Photos\\sea.jpg", '\\', "D:\\Photos\\"},
                      FolderCase{"D:\\Photos\\", '\\', "D:\\"},
                      FolderCase{"D:\\Photos\\Summer\\", '\\', "D:\\Photos\\"},
                      FolderCase{"D:\\sea.jpg", '\\', "D:\\"}, FolderCase{"\\sea.jpg", '\\', "\\"},
                      FolderCase{"D:\\Фото\\Море#Закат.jpg", '\\', "D:\\Фото\\"},
                      // A forward slash is no separator when the backslash is.
                      FolderCase{"D:\\a/b.jpg", '\\', "D:\\"},
                      FolderCase{"/home/user/sea.jpg", '/', "/home/user/"},
                      FolderCase{"/home/user/", '/', "/home/"}, FolderCase{"/sea.jpg", '/', "/"},
                      FolderCase{"/a", '/', "/"}, FolderCase{"/home/a\\b.jpg", '/', "/home/"}));

class FolderOfPathError : public ::testing::TestWithParam<FolderCase> {};

TEST_P(FolderOfPathError, NoSeparatorBeforeTheLastCharacter) {
    const FolderCase& c = GetParam();
    EXPECT_TRUE(folderOfPath(QString::fromUtf8(c.path), QLatin1Char(c.separator)).isEmpty())
        << c.path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FolderOfPathError,
    ::testing::Values(FolderCase{"", '\\', nullptr}, FolderCase{"\\", '\\', nullptr},
                      FolderCase{"sea.jpg", '\\', nullptr},
                      FolderCase{"/home/user/sea.jpg", '\\', nullptr}, FolderCase{"", '/', nullptr},
                      FolderCase{"/", '/', nullptr}, FolderCase{"sea.jpg", '/', nullptr},
                      FolderCase{"D:\\Photos\\sea.jpg", '/', nullptr}));

TEST(FolderOfPathDefault, UsesThePlatformSeparator) {
#ifdef _WIN32
    EXPECT_EQ(folderOfPath(QStringLiteral("C:\\x\\n1.jpg")), QStringLiteral("C:\\x\\"));
    EXPECT_TRUE(folderOfPath(QStringLiteral("/tmp/album/n1.jpg")).isEmpty());
#else
    EXPECT_EQ(folderOfPath(QStringLiteral("/tmp/album/n1.jpg")), QStringLiteral("/tmp/album/"));
    EXPECT_TRUE(folderOfPath(QStringLiteral("C:\\x\\n1.jpg")).isEmpty());
#endif
}

} // namespace
