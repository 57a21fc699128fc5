#include "steps/PrepareAlbumFolder.h"

#include "Recorders.h"
#include "TestFolder.h"
#include "TestPhotos.h"
#include "steps/FolderChange.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString existingAlbum = QStringLiteral(
    "Фотоальбом с таким именем уже существует. Программа не позволяет перезаписывать альбомы. "
    "Пожалуйста дайте альбому другое имя. ");

class PrepareAlbumFolder : public ::testing::Test {
protected:
    void SetUp() override {
        writePhotos(folder, {QStringLiteral("a.jpg")});
        applyStartupDefaults(state, QStringLiteral("/start"));
        applySettingsDefaults(state);
        ASSERT_TRUE(changeFolder(state, folder.path()).ok());
        state.albumName = QStringLiteral("Лето");
    }

    TestFolder folder;
    AlbumState state;
    ScriptedMessages messages;
};

// Generation makes the album folder, complete, in one step; "Подготовить" only
// checks that the name is free.
TEST_F(PrepareAlbumFolder, CopyModeChecksTheNameAndCreatesNothing) {
    EXPECT_TRUE(messages.told(prepareAlbumFolder(state)).ok());
    EXPECT_TRUE(messages.informed.isEmpty());
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("a.jpg")});

    // A hidden folder differing only in letter case takes the name as well.
    state.albumName = QStringLiteral(".лето");
    folder.makeFolder(QStringLiteral(".ЛЕТО"));
    EXPECT_TRUE(messages.told(prepareAlbumFolder(state)).value.albumExists);
    EXPECT_EQ(messages.informed, QStringList{existingAlbum});
}

TEST_F(PrepareAlbumFolder, ExistingFolderInAnyLetterCaseIsRefused) {
    for (const QString& existing : {QStringLiteral("Лето"), QStringLiteral("лЕТО")}) {
        TestFolder source;
        state.sourceFolder = source.withSeparator();
        source.makeFolder(existing);
        source.writeFile(existing + QStringLiteral("/old.htm"), "keep");
        ScriptedMessages seen;
        EXPECT_TRUE(seen.told(prepareAlbumFolder(state)).value.albumExists)
            << existing.toStdString();
        EXPECT_EQ(seen.informed, QStringList{existingAlbum});
        EXPECT_EQ(source.entries(), QStringList{existing});
        EXPECT_EQ(source.readFile(existing + QStringLiteral("/old.htm")), "keep");
    }
}

TEST_F(PrepareAlbumFolder, AFileInTheWayFailsWithAMessage) {
    folder.writeFile(QStringLiteral("Лето"), "not a folder");
    EXPECT_FALSE(messages.told(prepareAlbumFolder(state)).ok());
    ASSERT_EQ(messages.informed.size(), 1);
    EXPECT_TRUE(messages.informed[0].contains(folder.withSeparator() + QStringLiteral("Лето")))
        << messages.informed[0].toStdString();
    EXPECT_EQ(folder.readFile(QStringLiteral("Лето")), "not a folder");
}

TEST_F(PrepareAlbumFolder, InvalidNameIsRefusedBeforeAnyFolderIsMade) {
    state.albumName = QStringLiteral("../выше");
    EXPECT_FALSE(messages.told(prepareAlbumFolder(state)).ok());
    EXPECT_EQ(messages.informed.size(), 1);
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("a.jpg")});
}

TEST_F(PrepareAlbumFolder, RenameModeChecksAndCreatesNothing) {
    folder.makeFolder(QStringLiteral("Лето")); // would be refused in copy mode
    state.keepSourceFolder = false;
    EXPECT_TRUE(messages.told(prepareAlbumFolder(state)).ok());
    EXPECT_TRUE(messages.informed.isEmpty());

    state.albumName = QStringLiteral("Осень");
    EXPECT_TRUE(messages.told(prepareAlbumFolder(state)).ok());
    EXPECT_FALSE(folder.exists(QStringLiteral("Осень")));
}

} // namespace
