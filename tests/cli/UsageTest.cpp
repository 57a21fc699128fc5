#include "CliRun.h"
#include "TestFolder.h"
#include "TestPhotos.h"

#include <gtest/gtest.h>

namespace {

struct UsageCase {
    const char* label;
    QStringList arguments; // "FOLDER" and "OTHER" stand for two folders of photos
};

QStringList withFolders(QStringList arguments, const QString& folder, const QString& other) {
    for (QString& argument : arguments) {
        if (argument == QLatin1String("FOLDER"))
            argument = folder;
        else if (argument == QLatin1String("OTHER"))
            argument = other;
    }
    return arguments;
}

const QList<UsageCase>& usageErrors() {
    static const QList<UsageCase> cases = {
        {"nothing", {}},
        {"no name", {"FOLDER"}},
        {"name without value", {"FOLDER", "-n"}},
        {"no folder", {"-n", "Альбом"}},
        {"two folders", {"-n", "Альбом", "FOLDER", "OTHER"}},
        {"unknown option", {"-n", "Альбом", "--frobnicate", "FOLDER"}},
        {"unknown short option", {"-x", "-n", "Альбом", "FOLDER"}},
        {"background not hex", {"-n", "Альбом", "--background", "GG0000", "FOLDER"}},
        {"background too short", {"-n", "Альбом", "--background=12345", "FOLDER"}},
        {"background too long", {"-n", "Альбом", "--background", "#1234567", "FOLDER"}},
        {"background without value", {"-n", "Альбом", "FOLDER", "--background"}},
        {"description without value", {"-n", "Альбом", "FOLDER", "--description"}},
        {"modern with thumbnails", {"-n", "Альбом", "--modern", "--thumbnails", "FOLDER"}},
    };
    return cases;
}

class UsageErrors : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = dir_.makeFolder(QStringLiteral("photos"));
        other_ = dir_.makeFolder(QStringLiteral("more"));
        writePhotos(dir_, {QStringLiteral("photos/a.jpg"), QStringLiteral("more/b.jpg")});
        before_ = treeSnapshot(dir_.path());
    }

    TestFolder dir_;
    QString folder_, other_;
    QMap<QString, QByteArray> before_;
};

TEST_F(UsageErrors, ExitTwoWithReasonAndChangeNothing) {
    for (const UsageCase& c : usageErrors()) {
        SCOPED_TRACE(c.label);
        const CliRun run = runInProcess(withFolders(c.arguments, folder_, other_));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
        EXPECT_TRUE(run.err.startsWith(QLatin1String("photoalbum-make: ")))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("--help")));
        EXPECT_EQ(changes(before_, treeSnapshot(dir_.path())), QStringList());
    }
}

TEST_F(UsageErrors, BuiltProgramExitsTwoToo) {
    const QList<QStringList> cases = {{"-n", "Альбом", folder_, other_},
                                      {"-n", "Альбом", "--frobnicate", folder_},
                                      {"-n", "Альбом", "--background", "GG0000", folder_}};
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliRun run = runProcess(builtTool(), arguments);
        EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_EQ(changes(before_, treeSnapshot(dir_.path())), QStringList());
}

TEST(HelpAndVersion, PrintOnStandardOutputAndExitZero) {
    struct Case {
        QStringList arguments;
        QString expected;
    };
    const QList<Case> cases = {
        {{"--help"}, "Usage: photoalbum-make"},
        {{"-n", "Альбом", "--help"}, "Usage: photoalbum-make"},
        {{"--version"}, QStringLiteral("photoalbum-make %1").arg(PHOTOALBUM_VERSION)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        for (const CliRun& run :
             {runInProcess(c.arguments), runProcess(builtTool(), c.arguments)}) {
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_TRUE(run.out.startsWith(c.expected)) << run.out.toStdString();
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        }
    }
}

} // namespace
