// The whole road from the folder choice to a finished album, in both modes.
#include "WizardHarness.h"
#include "wizard/GenerationWindow.h"
#include "wizard/PreparationWindow.h"
#include "wizard/SelectionWindow.h"
#include "wizard/SettingsWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

const QString sep = QDir::separator();
const QString viewQuestion = QStringLiteral("Просматривать будем?");
const QString endMessage =
    QStringLiteral("Вы сделали исходную папку фотоальбомом. Работа программы заканчивается.");

} // namespace

TEST_F(WizardTest, CopyModeWritesTheAlbumInsideTheFolderAndOpensItsStartPage) {
    const QString photos = photoFolder({"Море#Закат над заливом.jpg", "Дача.jpg", "Лес.jpg"});
    start();
    chooseFolder(photos);
    configure("Отпуск");
    ASSERT_NE(wizard->settingsWindow(), nullptr);
    EXPECT_FALSE(wizard->selectionWindow()->isVisible());
    EXPECT_TRUE(wizard->settingsWindow()->isVisible());

    click(wizard->settingsWindow(), "Command2");
    PreparationWindow* preparation = wizard->preparationWindow();
    ASSERT_NE(preparation, nullptr);
    auto* list = control<QListWidget>(preparation, "List1");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), "Третья");
    EXPECT_EQ(list->currentRow(), 0);
    // Listed in upper-case name order: "Дача" first, without "#" it gets the ordinal word.
    EXPECT_EQ(control<QLineEdit>(preparation, "Text1")->text(), "Первая");
    EXPECT_EQ(state().comments[1], "Дача");
    EXPECT_EQ(state().titles[3], "Море");

    click(preparation, "Command3");
    GenerationWindow* generation = wizard->generationWindow();
    ASSERT_NE(generation, nullptr);
    desktop.answer(true);
    click(generation, "Command1");

    const QString album = photos + sep + "Отпуск";
    EXPECT_EQ(QDir(album).entryList(QDir::Files, QDir::Name),
              QStringList({"back-bt.gif", "for-bt.gif", "ish-bt.gif", "n1.htm", "n1.jpg", "n2.htm",
                           "n2.jpg", "n3.htm", "n3.jpg", "start.htm"}));
    EXPECT_EQ(QDir(photos).entryList(QDir::Files).size(), 3);
    EXPECT_EQ(desktop.openedPages(), QStringList{album + sep + "start.htm"});
    ASSERT_EQ(desktop.shown().size(), 1);
    EXPECT_TRUE(desktop.shown()[0].question);
    EXPECT_EQ(desktop.shown()[0].text, viewQuestion);
    EXPECT_EQ(desktop.shown()[0].title, "Генерация выполнена");
    EXPECT_EQ(control<QLabel>(generation, "Label10")->text(),
              "Ваш альбом в папке: \n" + album + sep + "\nДля просмотра выберите файл start.htm");
    // Copy mode goes back to the preparation window, ready for another round.
    EXPECT_EQ(wizard->generationWindow(), nullptr);
    EXPECT_TRUE(preparation->isVisible());
    settle();
    EXPECT_EQ(desktop.programEnds(), 0);
}

TEST_F(WizardTest, WebPhotosMakeThePhotosAndThumbnailsAtPageSize) {
    const QString photos = photoFolder({"a.jpg", "b.jpg", "a-m.jpg"});
    start(photos);
    configure("Веб");
    SettingsWindow* settings = wizard->settingsWindow();
    click(settings, "Check4");
    click(settings, "Check1");
    EXPECT_EQ(desktop.texts(), QStringList());
    EXPECT_EQ(state().photoCount, 2) << "the -m file is no photo of this album";
    click(settings, "Command2");
    click(wizard->preparationWindow(), "Command3");
    desktop.answer(false);
    click(wizard->generationWindow(), "Command1");

    const QString album = photos + sep + "Веб" + sep;
    for (int k = 1; k <= 2; ++k) {
        EXPECT_EQ(QImage(album + QStringLiteral("n%1.jpg").arg(k)).size(), QSize(600, 410));
        EXPECT_EQ(QImage(album + QStringLiteral("n%1-m.jpg").arg(k)).size(), QSize(150, 105));
    }
    EXPECT_EQ(QDir(photos).entryList(QDir::Files).size(), 3);
}

TEST_F(WizardTest, StartedInAPhotoFolderTheNewcomerGoesStraightOn) {
    const QString photos = photoFolder({"Дача.jpg", "Лес.jpg"});
    start(photos);
    configure("Лето");
    ASSERT_NE(wizard->settingsWindow(), nullptr);
    EXPECT_TRUE(desktop.shown().isEmpty());
    EXPECT_EQ(state().sourceFolder, photos + sep);
    EXPECT_EQ(state().photoCount, 2);
}

class RenameRoad : public WizardTest, public ::testing::WithParamInterface<bool> {};

TEST_P(RenameRoad, TurnsTheFolderIntoTheAlbumAndEndsTheProgram) {
    const bool viewIt = GetParam();
    const QString photos = photoFolder({"a.jpg", "b.jpg"}, "Trip");
    start();
    chooseFolder(photos);
    configure("Summer");
    control<QCheckBox>(wizard->settingsWindow(), "Check3")->click();
    click(wizard->settingsWindow(), "Command2");
    EXPECT_EQ(folder.entries("Trip"), QStringList({"a.jpg", "b.jpg"})) << "nothing is created yet";
    click(wizard->preparationWindow(), "Command3");
    GenerationWindow* generation = wizard->generationWindow();
    ASSERT_NE(generation, nullptr);

    bool generationOpenAtEnd = false;
    qsizetype pagesOpenedAtEnd = -1;
    desktop.onShown = [&](const ScriptedDesktop::Shown& box) {
        if (box.text == endMessage) {
            generationOpenAtEnd = wizard->generationWindow() != nullptr;
            pagesOpenedAtEnd = desktop.openedPages().size();
        }
    };
    desktop.answer(viewIt);
    click(generation, "Command1");

    const QString album = folder.path() + sep + "Summer";
    EXPECT_FALSE(folder.exists("Trip"));
    EXPECT_EQ(QDir(album).entryList(QDir::Files, QDir::Name),
              QStringList({"back-bt.gif", "for-bt.gif", "ish-bt.gif", "n1.htm", "n1.jpg", "n2.htm",
                           "n2.jpg", "start.htm"}));
    EXPECT_EQ(desktop.texts(), QStringList({viewQuestion, endMessage}));
    EXPECT_EQ(desktop.shown()[1].title, "Генератор фотоальбома");
    EXPECT_EQ(desktop.programEnds(), 1);
    EXPECT_EQ(pagesOpenedAtEnd, viewIt ? 1 : 0);
    // Yes keeps the window until the end; No closes it before the end message.
    EXPECT_EQ(generationOpenAtEnd, viewIt);
    if (viewIt) {
        EXPECT_EQ(desktop.openedPages(), QStringList{album + sep + "start.htm"});
        EXPECT_EQ(control<QLabel>(generation, "Label10")->text(),
                  "Ваш альбом в папке: \n" + album + sep +
                      "\nДля просмотра выберите файл start.htm");
    }
}

INSTANTIATE_TEST_SUITE_P(BothAnswers, RenameRoad, ::testing::Bool());
