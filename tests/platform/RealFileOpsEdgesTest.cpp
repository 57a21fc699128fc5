#include "TestFolder.h"
#include "platform/ErrorText.h"
#include "platform/FsPath.h"
#include "platform/RealFileOps.h"

#include <QFile>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// A second hard link is another name for the same bytes, not the entry itself:
// renaming onto it would quietly do nothing and leave both names.
TEST(RealFileOpsEdges, RenameOntoAHardLinkIsRefused) {
    TestFolder folder;
    folder.writeFile(QStringLiteral("a.jpg"), "A");
    const QString a = folder.filePath(QStringLiteral("a.jpg"));
    const QString b = folder.filePath(QStringLiteral("b.jpg"));
    std::error_code linked;
    std::filesystem::create_hard_link(toFsPath(a), toFsPath(b), linked);
    ASSERT_FALSE(linked) << linked.message();
    RealFileOps ops;
    const Outcome result = ops.renameNoReplace(a, b);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.message, describeErrno(EEXIST));
    EXPECT_TRUE(folder.exists(QStringLiteral("a.jpg")));
}

TEST(RealFileOpsEdges, RemoveEmptyFolderTouchesNothingElse) {
    TestFolder folder;
    RealFileOps ops;
    folder.makeFolder(QStringLiteral("пустая"));
    folder.makeFolder(QStringLiteral("полная"));
    folder.writeFile(QStringLiteral("полная/n1.jpg"), "photo");
    folder.writeFile(QStringLiteral("файл.jpg"), "photo");

    EXPECT_TRUE(ops.removeEmptyFolder(folder.filePath(QStringLiteral("пустая"))).ok());
    EXPECT_FALSE(folder.exists(QStringLiteral("пустая")));
    EXPECT_FALSE(ops.removeEmptyFolder(folder.filePath(QStringLiteral("полная"))).ok());
    EXPECT_EQ(folder.readFile(QStringLiteral("полная/n1.jpg")), "photo");
    EXPECT_FALSE(ops.removeEmptyFolder(folder.filePath(QStringLiteral("файл.jpg"))).ok());
    EXPECT_EQ(folder.readFile(QStringLiteral("файл.jpg")), "photo");
}

// A failed copy takes away its own partial file, never a folder that happens
// to stand at the target's name.
TEST(RealFileOpsEdges, FailedCopyOntoAFolderLeavesTheFolder) {
    TestFolder folder;
    RealFileOps ops;
    folder.writeFile(QStringLiteral("a.jpg"), "A");
    folder.makeFolder(QStringLiteral("n1.jpg"));
    EXPECT_FALSE(ops.copyFile(folder.filePath(QStringLiteral("a.jpg")),
                              folder.filePath(QStringLiteral("n1.jpg")))
                     .ok());
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("n1.jpg"))).isDir());
    EXPECT_EQ(folder.readFile(QStringLiteral("a.jpg")), "A");
}

} // namespace
