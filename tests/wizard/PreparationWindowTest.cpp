// The preparation window: the photo list, Up and Down, Alt+arrows and dragging,
// typing titles and comments, reopening, and the buttons that leave it.
#include "wizard/PreparationWindow.h"

#include "TestPhotos.h"
#include "WizardHarness.h"
#include "ui_PreparationWindow.h"
#include "ui_SelectionWindow.h"
#include "ui_SettingsWindow.h"
#include "wizard/GenerationWindow.h"
#include "wizard/PhotoListModel.h"
#include "wizard/SelectionWindow.h"
#include "wizard/SettingsWindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QMimeData>
#include <QTest>
#include <memory>

namespace {

const QString sep = QDir::separator();

QString line(const QListView* list, int row) {
    return list->model()->index(row, 0).data().toString();
}

void selectLine(QListView* list, int row) {
    list->setCurrentIndex(list->model()->index(row, 0));
}

} // namespace

TEST(PhotoListModelTest, PlacesPastTheFortyWordsAreNumbered) {
    AlbumState album = albumOf(41, false);
    PhotoListModel model(album, QSize(32, 24));
    EXPECT_EQ(model.index(39).data().toString(), "Сороковая — Снимок 40");
    EXPECT_EQ(model.index(40).data().toString(), "41. — Снимок 41");
    album.photo(41).title.clear();
    EXPECT_EQ(model.index(40).data().toString(), "41.");
}

class PreparationTest : public WizardTest {
protected:
    // An album of a, b and c with titles and comments from their names.
    PreparationWindow* prepareAbc() {
        photos = photoFolder({"a.jpg", "b.jpg", "c.jpg"});
        start();
        chooseFolder(photos);
        configure("Альбом");
        click(wizard->settingsWindow()->form().prepareButton);
        return wizard->preparationWindow();
    }

    // What the window shows for the selected line: picture file, title, comment.
    QStringList shown(PreparationWindow* preparation) {
        const Ui::PreparationWindow& form = preparation->form();
        return {bareName(form.preview->shownFile()), form.titleEdit->text(),
                form.commentEdit->toPlainText()};
    }

    static QString bareName(const QString& path) { return path.section(sep, -1); }

    QString photos;
};

TEST_F(PreparationTest, UpAndDownMovePhotoTitleAndCommentTogether) {
    PreparationWindow* preparation = prepareAbc();
    ASSERT_NE(preparation, nullptr);
    const Ui::PreparationWindow& form = preparation->form();
    QListView* list = form.photoList;
    EXPECT_EQ(shown(preparation), QStringList({"a.jpg", "Первая", "a"}));

    click(form.upButton); // Up on the first line
    EXPECT_EQ(list->currentIndex().row(), 0);
    EXPECT_EQ(state().photo(1).file, photos + sep + "a.jpg");

    click(form.downButton); // Down from the first line
    EXPECT_EQ(list->currentIndex().row(), 1);
    EXPECT_EQ(shown(preparation), QStringList({"a.jpg", "Первая", "a"}));
    EXPECT_EQ(state().photo(1).file, photos + sep + "b.jpg");
    EXPECT_EQ(state().photo(1).comment, "b");

    selectLine(list, 2);
    click(form.downButton); // Down on the last line
    EXPECT_EQ(list->currentIndex().row(), 2);
    EXPECT_EQ(state().photo(3).file, photos + sep + "c.jpg");

    click(form.upButton); // Up from the last line
    EXPECT_EQ(list->currentIndex().row(), 1);
    EXPECT_EQ(shown(preparation), QStringList({"c.jpg", "Третья", "c"}));
    EXPECT_EQ(state().photo(2).title, "Третья");
    EXPECT_EQ(state().photo(3).file, photos + sep + "a.jpg");
    // Each line names its place first, then the title of the photo there now.
    EXPECT_EQ(line(list, 0), "Первая — Вторая");
    EXPECT_EQ(line(list, 2), "Третья — Первая");
    EXPECT_TRUE(form.thumbnailPreview->shownFile().isEmpty());

    // Alt+arrows in the list move the photo as the buttons do.
    preparation->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(preparation));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(list->currentIndex().row(), 2);
    EXPECT_EQ(shown(preparation), QStringList({"c.jpg", "Третья", "c"}));
    EXPECT_EQ(state().photo(3).file, photos + sep + "c.jpg");
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(list, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(list->currentIndex().row(), 0);
    EXPECT_EQ(line(list, 0), "Первая — Третья");
    EXPECT_EQ(state().photo(1).comment, "c");

    click(form.quitButton);
    EXPECT_EQ(desktop.programEnds(), 1);
}

TEST_F(PreparationTest, DroppingALineMovesItsPhotoTitleAndComment) {
    PreparationWindow* preparation = prepareAbc();
    QListView* list = preparation->form().photoList;
    QAbstractItemModel* lines = list->model();
    // What the view does with a line dragged below the last one.
    const std::unique_ptr<QMimeData> dragged(lines->mimeData({lines->index(0, 0)}));
    ASSERT_TRUE(lines->dropMimeData(dragged.get(), Qt::MoveAction, 3, 0, {}));
    EXPECT_EQ(state().photo(3).file, photos + sep + "a.jpg");
    EXPECT_EQ(state().photo(3).title, "Первая");
    EXPECT_EQ(state().photo(1).comment, "b");
    EXPECT_EQ(list->currentIndex().row(), 2) << "the selection goes with the photo";
    EXPECT_EQ(shown(preparation), QStringList({"a.jpg", "Первая", "a"}));
    EXPECT_EQ(line(list, 2), "Третья — Первая");

    // Onto the first line from the last: it takes the first place.
    const std::unique_ptr<QMimeData> back(lines->mimeData({lines->index(2, 0)}));
    ASSERT_TRUE(lines->dropMimeData(back.get(), Qt::MoveAction, -1, 0, lines->index(0, 0)));
    EXPECT_EQ(state().photo(1).file, photos + sep + "a.jpg");
    EXPECT_EQ(state().photo(2).title, "Вторая");
    EXPECT_EQ(list->currentIndex().row(), 0);
}

TEST_F(PreparationTest, EveryKeystrokeGoesStraightIntoTheAlbum) {
    PreparationWindow* preparation = prepareAbc();
    selectLine(preparation->form().photoList, 1);
    QLineEdit* title = preparation->form().titleEdit;
    title->clear();
    typeText(title, "Л");
    EXPECT_EQ(state().photo(2).title, "Л");
    typeText(title, "ес");
    EXPECT_EQ(state().photo(2).title, "Лес");
    QAccessibleInterface* heard =
        QAccessible::queryAccessibleInterface(preparation->form().photoList)->child(1);
    EXPECT_EQ(heard->text(QAccessible::Name), "Вторая — Лес")
        << "the line, as a screen reader reads it";

    QPlainTextEdit* comment = preparation->form().commentEdit;
    comment->clear();
    typeText(comment, "Тропа");
    EXPECT_EQ(state().photo(2).comment, "Тропа");
    typeText(comment, "\nосенью");
    EXPECT_EQ(state().photo(2).comment, "Тропа\r\nосенью") << "line breaks as the pages write them";
    EXPECT_EQ(state().photo(1).title, "Первая");
}

TEST_F(PreparationTest, ReopeningByWayOfSettingsKeepsTitlesWithTheirPhotos) {
    PreparationWindow* preparation = prepareAbc();
    click(preparation->form().downButton); // b first, a second
    click(preparation->form().settingsButton);
    EXPECT_EQ(wizard->preparationWindow(), nullptr);
    ASSERT_NE(wizard->settingsWindow(), nullptr);
    EXPECT_TRUE(wizard->settingsWindow()->isVisible());

    wizard->settingsWindow()->form().keepFolderCheck->click(); // rename mode: no folder check
    click(wizard->settingsWindow()->form().prepareButton);
    preparation = wizard->preparationWindow();
    ASSERT_NE(preparation, nullptr);
    EXPECT_EQ(preparation->form().photoList->currentIndex().row(), 0);
    EXPECT_EQ(shown(preparation), QStringList({"b.jpg", "Вторая", "b"}));
    EXPECT_EQ(state().photo(2).comment, "a");

    // Left open while another folder is configured, it lists that folder's photos.
    chooseFolder(photoFolder({"d.jpg", "e.jpg"}, "more"));
    configure("Ещё");
    click(wizard->settingsWindow()->form().prepareButton);
    EXPECT_EQ(wizard->preparationWindow(), preparation);
    EXPECT_EQ(preparation->form().photoList->model()->rowCount(), 2);
    EXPECT_EQ(shown(preparation), QStringList({"d.jpg", "Первая", "d"}));
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
    wizard->settingsWindow()->form().thumbnailsCheck->click();
    ASSERT_EQ(state().photoCount(), 11);
    // Going back and pressing "Настроить" again lists thumbnails as photos.
    click(wizard->settingsWindow()->form().selectionButton);
    click(wizard->selectionWindow()->form().configureButton);
    click(wizard->settingsWindow()->form().prepareButton);
    PreparationWindow* preparation = wizard->preparationWindow();
    ASSERT_NE(preparation, nullptr);
    ASSERT_EQ(state().photoCount(), 22);
    selectLine(preparation->form().photoList, 21); // no thumbnail slot
    EXPECT_FALSE(preparation->form().thumbnailPreview->hasPicture());

    click(preparation->form().generateButton);
    EXPECT_EQ(desktop.texts(),
              QStringList{"Альбом с миниатюрами может содержать не более 20 фотографий, а в нём "
                          "22. Вернитесь в окно «Настройка» и снова отметьте «С миниатюрами» или "
                          "снимите эту отметку."});
    EXPECT_EQ(wizard->generationWindow(), nullptr);
}

TEST_F(PreparationTest, LeavingTheWindow) {
    PreparationWindow* preparation = prepareAbc();
    click(preparation->form().generateButton);
    GenerationWindow* generation = wizard->generationWindow();
    ASSERT_NE(generation, nullptr);
    click(preparation->form().generateButton);
    EXPECT_EQ(wizard->generationWindow(), generation) << "an open window is only brought forward";

    click(preparation->form().selectionButton); // "Выбрать"
    settle();
    EXPECT_EQ(wizard->preparationWindow(), nullptr);
    EXPECT_TRUE(wizard->selectionWindow()->isVisible());
    EXPECT_EQ(desktop.programEnds(), 0);

    // The generation window lives on its own until it is closed.
    EXPECT_EQ(wizard->generationWindow(), generation);
}
