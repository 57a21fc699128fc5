#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef PHOTOALBUM_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Journals, records and locks of the runs under test (and of the programs
    // they start) stay in a folder of the test's own, not in the user's.
    const QTemporaryDir userFolders;
    qputenv("XDG_STATE_HOME", userFolders.filePath(QStringLiteral("state")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", userFolders.path().toUtf8());
    qputenv("LOCALAPPDATA", userFolders.path().toUtf8());
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
