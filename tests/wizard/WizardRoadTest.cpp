// The whole road from the folder choice to a finished album, in both modes.
#include "DiskContents.h"
#include "WizardHarness.h"
#include "ui_GenerationWindow.h"
#include "ui_PreparationWindow.h"
#include "ui_SettingsWindow.h"
#include "wizard/GenerationWindow.h"
#include "wizard/PhotoView.h"
#include "wizard/PreparationWindow.h"
#include "wizard/SelectionWindow.h"
#include "wizard/SettingsWindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

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

    click(wizard->settingsWindow()->form().prepareButton);
    PreparationWindow* preparation = wizard->preparationWindow();
    ASSERT_NE(preparation, nullptr);
    QListView* list = preparation->form().photoList;
    ASSERT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(list->model()->index(2, 0).data().toString(), "Третья — Море");
    EXPECT_EQ(list->currentIndex().row(), 0);
    // Listed in upper-case name order: "Дача" first, without "#" it gets the ordinal word.
    EXPECT_EQ(preparation->form().titleEdit->text(), "Первая");
    EXPECT_EQ(state().photo(1).comment, "Дача");
    EXPECT_EQ(state().photo(3).title, "Море");

    click(preparation->form().generateButton);
    GenerationWindow* generation = wizard->generationWindow();
    ASSERT_NE(generation, nullptr);
    desktop.answer(true);
    click(generation->form().createButton);

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
    EXPECT_EQ(generation->form().statusLabel->text(),
              "Ваш альбом в папке: \n" + album + sep + "\nДля просмотра выберите файл start.htm");
    // Copy mode goes back to the preparation window, ready for another round.
    EXPECT_EQ(wizard->generationWindow(), nullptr);
    EXPECT_TRUE(preparation->isVisible());
    settle();
    EXPECT_EQ(desktop.programEnds(), 0);
}

TEST_F(WizardTest, WebPhotosMakeThePhotosAndThumbnailsAtPageSize) {
    const QString photos = photoFolder({"a.jpg", "b.jpg", "c.jpg", "a-m.jpg"});
    start(photos);
    configure("Веб");
    SettingsWindow* settings = wizard->settingsWindow();
    click(settings->form().webPhotosCheck);
    click(settings->form().thumbnailsCheck);
    EXPECT_EQ(desktop.texts(), QStringList());
    EXPECT_EQ(state().photoCount(), 3) << "the -m file is no photo of this album";
    click(settings->form().prepareButton);
    click(wizard->preparationWindow()->form().generateButton);
    GenerationWindow* generation = wizard->generationWindow();

    // «Прервать» once the first photo is made: no further photo is started, and
    // the folder is as it was.
    const auto before = treeSnapshot(photos);
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (desktop.pauses().size() == 1 && generation->form().stopButton->isVisible())
            generation->form().stopButton->click();
    });
    stopper.start(0);
    click(generation->form().createButton);
    stopper.stop();
    EXPECT_LE(desktop.pauses().size(), 2);
    EXPECT_EQ(changes(before, treeSnapshot(photos)), QStringList());
    EXPECT_EQ(desktop.texts(), QStringList{"Создание альбома прервано. Ничего не изменено."});

    desktop.clear();
    desktop.answer(false);
    click(generation->form().createButton);
    const QString album = photos + sep + "Веб" + sep;
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(QImage(album + QStringLiteral("n%1.jpg").arg(k)).size(), QSize(600, 410));
        EXPECT_EQ(QImage(album + QStringLiteral("n%1-m.jpg").arg(k)).size(), QSize(150, 105));
    }
    EXPECT_EQ(QDir(photos).entryList(QDir::Files).size(), 4);
}

TEST_F(WizardTest, StartedInAPhotoFolderTheNewcomerGoesStraightOn) {
    const QString photos = photoFolder({"Дача.jpg", "Лес.jpg"});
    start(photos);
    configure("Лето");
    ASSERT_NE(wizard->settingsWindow(), nullptr);
    EXPECT_TRUE(desktop.shown().isEmpty());
    EXPECT_EQ(state().sourceFolder, photos + sep);
    EXPECT_EQ(state().photoCount(), 2);
}

class RenameRoad : public WizardTest, public ::testing::WithParamInterface<bool> {};

TEST_P(RenameRoad, TurnsTheFolderIntoTheAlbumAndEndsTheProgram) {
    const bool viewIt = GetParam();
    const QString photos = photoFolder({"a.jpg", "b.jpg"}, "Trip");
    start();
    chooseFolder(photos);
    configure("Summer");
    wizard->settingsWindow()->form().keepFolderCheck->click();
    click(wizard->settingsWindow()->form().prepareButton);
    EXPECT_EQ(folder.entries("Trip"), QStringList({"a.jpg", "b.jpg"})) << "nothing is created yet";
    click(wizard->preparationWindow()->form().generateButton);
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
    click(generation->form().createButton);

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
        EXPECT_EQ(generation->form().statusLabel->text(),
                  "Ваш альбом в папке: \n" + album + sep +
                      "\nДля просмотра выберите файл start.htm");
    }
}

INSTANTIATE_TEST_SUITE_P(BothAnswers, RenameRoad, ::testing::Bool());

// What the active window owes every user: a screen reader hears a frame and
// every control it reaches by a name of its own, not by what a box holds; and
// the window fits 1,280×720 logical pixels (a 2,560×1,440 screen at 200 %, less
// than 1,366×768 at 100 %) with some 50 left for a title bar and a panel.
void expectActiveWindowUsableByAll() {
    QCoreApplication::processEvents();
    QWidget* window = QApplication::activeWindow();
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
    EXPECT_TRUE(top->role() == QAccessible::Window &&
                !top->text(QAccessible::Name).startsWith(' '));
    for (QWidget* c : window->findChildren<QWidget*>()) {
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(c);
        const QString name = heard->text(QAccessible::Name);
        if ((c->focusPolicy() & Qt::TabFocus) && c->isVisibleTo(window)) {
            EXPECT_TRUE(
                !name.trimmed().isEmpty() && heard->role() != QAccessible::Client &&
                name != c->property("currentText").toString() &&
                !(qobject_cast<QCheckBox*>(c) && heard->text(QAccessible::Description).isEmpty()));
        }
        // Lines are passed by rather than heard as unnamed frames; pictures have names.
        const auto* line = qobject_cast<QFrame*>(c);
        if (line && (line->frameShape() == QFrame::HLine || line->frameShape() == QFrame::VLine)) {
            EXPECT_TRUE(heard->state().invisible);
        }
        EXPECT_FALSE(qobject_cast<PhotoView*>(c) && name.isEmpty());
    }
    EXPECT_TRUE(window->sizeHint().width() <= 1280 && window->sizeHint().height() <= 670);
}

// Tab, Enter, Escape, Space and the arrows alone make an album with the longest
// name (250 bytes); «Прервать» half-way first undoes it all.
class KeyboardRoad : public WizardTest, public ::testing::WithParamInterface<bool> {};

TEST_P(KeyboardRoad, MakesAnAlbumAfterAStopHalfWay) {
    start(photoFolder({"a.jpg", "b.jpg", "c.jpg", "d.jpg"}));
    expectActiveWindowUsableByAll();
    press(Qt::Key_Backtab, 3); // from the folder list round to «О программе»
    press(Qt::Key_Return);
    expectActiveWindowUsableByAll();
    press(Qt::Key_Escape);
    press(Qt::Key_Tab, 6); // on from «О программе» to the album name
    typeText(QApplication::focusWidget(),
             QStringLiteral("Летний отпуск ").repeated(9) + "на даче!!!\n");
    expectActiveWindowUsableByAll();
    press(Qt::Key_Tab, 3); // from «Подготовить» to keeping the folder
    press(Qt::Key_Space, GetParam() ? 1 : 0); // rename mode
    press(Qt::Key_Tab, GetParam() ? 2 : 4);   // the web and modern boxes are off in rename mode
    press(Qt::Key_Return);
    expectActiveWindowUsableByAll();
    press(Qt::Key_Tab, 7); // from the photo list on to «Сгенерировать»
    press(Qt::Key_Return);
    expectActiveWindowUsableByAll();
    press(Qt::Key_Tab); // from the description to the red bar
    press(Qt::Key_Down, 2);
    press(Qt::Key_Tab, 4); // on to «Создать»

    const auto before = treeSnapshot(folder.path());
    QTimer stopper;
    bool stopped = false;
    QObject::connect(&stopper, &QTimer::timeout, [&] {
        if (desktop.pauses().size() == 1) {
            press(Qt::Key_Return); // a second Enter on «Создать» stops nothing
            EXPECT_NE(QApplication::focusWidget(), wizard->generationWindow()->form().stopButton);
        }
        if (desktop.pauses().size() == 3 && !stopped) { // of 8 or 12 captions
            stopped = true;
            press(Qt::Key_Backtab); // to «Прервать»
            press(Qt::Key_Return);
        }
    });
    stopper.start(0);
    press(Qt::Key_Return);
    stopper.stop();
    EXPECT_TRUE(stopped);
    EXPECT_EQ(changes(before, treeSnapshot(folder.path())), QStringList());
    EXPECT_EQ(desktop.texts(), QStringList{"Создание альбома прервано. Ничего не изменено."});

    press(Qt::Key_Return); // «Создать» once more
    EXPECT_TRUE(QFile::exists(state().albumFolder + "n2.htm"));
    expectActiveWindowUsableByAll(); // the preparation window has the keyboard again
}

INSTANTIATE_TEST_SUITE_P(BothModes, KeyboardRoad, ::testing::Bool());
