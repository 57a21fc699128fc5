// The preparation window: the photo list, Up and Down, typing titles and
// comments, reopening, and the buttons that leave it.
#include "wizard/PreparationWindow.h"

#include "WizardHarness.h"
#include "wizard/GenerationWindow.h"
#include "wizard/PhotoView.h"
#include "wizard/SelectionWindow.h"
#include "wizard/SettingsWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

const QString sep = QDir::separator();

} // namespace

class PreparationTest : public WizardTest {
protected:
    // An album of a, b and c with titles and comments from their names.
    PreparationWindow* prepareAbc() {
        photos = photoFolder({"a.jpg", "b.jpg", "c.jpg"});
        start();
        chooseFolder(photos);
        configure("Альбом");
        click(wizard->settingsWindow(), Settings::prepare);
        return wizard->preparationWindow();
    }

    // What the window shows for the selected line: picture file, title, comment.
    QStringList shown(PreparationWindow* preparation) {
        return {bareName(control<PhotoView>(preparation, Preparation::photo)->shownFile()),
                control<QLineEdit>(preparation, Preparation::title)->text(),
                control<QPlainTextEdit>(preparation, Preparation::comment)->toPlainText()};
    }

    static QString bareName(const QString& path) { return path.section(sep, -1); }

    QString photos;
};

TEST_F(PreparationTest, UpAndDownMovePhotoTitleAndCommentTogether) {
    PreparationWindow* preparation = prepareAbc();
    ASSERT_NE(preparation, nullptr);
    auto* list = control<QListWidget>(preparation, Preparation::photoList);
    EXPECT_EQ(shown(preparation), QStringList({"a.jpg", "Первая", "a"}));

    click(preparation, Preparation::up); // Up on the first line
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(state().photo(1).file, photos + sep + "a.jpg");

    click(preparation, Preparation::down); // Down from the first line
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(shown(preparation), QStringList({"a.jpg", "Первая", "a"}));
    EXPECT_EQ(state().photo(1).file, photos + sep + "b.jpg");
    EXPECT_EQ(state().photo(1).comment, "b");

    list->setCurrentRow(2);
    click(preparation, Preparation::down); // Down on the last line
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(state().photo(3).file, photos + sep + "c.jpg");

    click(preparation, Preparation::up); // Up from the last line
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(shown(preparation), QStringList({"c.jpg", "Третья", "c"}));
    EXPECT_EQ(state().photo(2).title, "Третья");
    EXPECT_EQ(state().photo(3).file, photos + sep + "a.jpg");
    // The lines name places, not photos.
    EXPECT_EQ(list->item(0)->text(), "Первая");
    EXPECT_EQ(list->item(2)->text(), "Третья");
    EXPECT_TRUE(control<PhotoView>(preparation, Preparation::thumbnail)->shownFile().isEmpty());

    click(preparation, Preparation::quit);
    EXPECT_EQ(desktop.programEnds(), 1);
}

TEST_F(PreparationTest, EveryKeystrokeGoesStraightIntoTheAlbum) {
    PreparationWindow* preparation = prepareAbc();
    control<QListWidget>(preparation, Preparation::photoList)->setCurrentRow(1);
    auto* title = control<QLineEdit>(preparation, Preparation::title);
    title->clear();
    typeText(title, "Л");
    EXPECT_EQ(state().photo(2).title, "Л");
    typeText(title, "ес");
    EXPECT_EQ(state().photo(2).title, "Лес");

    auto* comment = control<QPlainTextEdit>(preparation, Preparation::comment);
    comment->clear();
    typeText(comment, "Тропа");
    EXPECT_EQ(state().photo(2).comment, "Тропа");
    typeText(comment, "\nосенью");
    EXPECT_EQ(state().photo(2).comment, "Тропа\r\nосенью") << "line breaks as the pages write them";
    EXPECT_EQ(state().photo(1).title, "Первая");
}

TEST_F(PreparationTest, ReopeningByWayOfSettingsKeepsTitlesWithTheirPhotos) {
    PreparationWindow* preparation = prepareAbc();
    click(preparation, Preparation::down); // b first, a second
    click(preparation, Preparation::configure);
    EXPECT_EQ(wizard->preparationWindow(), nullptr);
    ASSERT_NE(wizard->settingsWindow(), nullptr);
    EXPECT_TRUE(wizard->settingsWindow()->isVisible());

    control<QCheckBox>(wizard->settingsWindow(), Settings::keepFolder)
        ->click(); // rename mode: no folder check
    click(wizard->settingsWindow(), Settings::prepare);
    preparation = wizard->preparationWindow();
    ASSERT_NE(preparation, nullptr);
    EXPECT_EQ(control<QListWidget>(preparation, Preparation::photoList)->currentRow(), 0);
    EXPECT_EQ(shown(preparation), QStringList({"b.jpg", "Вторая", "b"}));
    EXPECT_EQ(state().photo(2).comment, "a");
}

TEST_F(PreparationTest, ThumbnailAlbumOverTwentyPhotosIsRefusedAtGenerate) {
    QStringList names;
    for (int i = 1; i <= 11; ++i) {
        names.append(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
        names.append(QStringLiteral("p%1-m.jpg").arg(i, 2, 10, QLatin1Char('0')));
    }
    start();
    chooseFolder(photoFolder(names));
    configure("Мини");
    control<QCheckBox>(wizard->settingsWindow(), Settings::thumbnails)->click();
    ASSERT_EQ(state().photoCount(), 11);
    // Going back and pressing "Настроить" again lists thumbnails as photos.
    click(wizard->settingsWindow(), Settings::choose);
    click(wizard->selectionWindow(), Selection::configure);
    click(wizard->settingsWindow(), Settings::prepare);
    PreparationWindow* preparation = wizard->preparationWindow();
    ASSERT_NE(preparation, nullptr);
    ASSERT_EQ(state().photoCount(), 22);
    control<QListWidget>(preparation, Preparation::photoList)
        ->setCurrentRow(21); // no thumbnail slot
    EXPECT_FALSE(control<PhotoView>(preparation, Preparation::thumbnail)->hasPicture());

    click(preparation, Preparation::generate);
    EXPECT_EQ(desktop.texts(),
              QStringList{"Альбом с миниатюрами может содержать не более 20 фотографий, а в нём "
                          "22. Вернитесь в окно «Настройка» и снова отметьте «С миниатюрами» или "
                          "снимите эту отметку."});
    EXPECT_EQ(wizard->generationWindow(), nullptr);
}

TEST_F(PreparationTest, LeavingTheWindow) {
    PreparationWindow* preparation = prepareAbc();
    click(preparation, Preparation::generate);
    GenerationWindow* generation = wizard->generationWindow();
    ASSERT_NE(generation, nullptr);
    click(preparation, Preparation::generate);
    EXPECT_EQ(wizard->generationWindow(), generation) << "an open window is only brought forward";

    click(preparation, Preparation::choose); // "Выбрать"
    settle();
    EXPECT_EQ(wizard->preparationWindow(), nullptr);
    EXPECT_TRUE(wizard->selectionWindow()->isVisible());
    EXPECT_EQ(desktop.programEnds(), 0);

    // The generation window lives on its own until it is closed.
    EXPECT_EQ(wizard->generationWindow(), generation);
}
