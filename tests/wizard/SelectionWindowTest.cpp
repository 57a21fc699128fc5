// The selection window: start-up, folder change, preview, "Настроить" and its
// questions, the hint buttons, the About box and the ways to end the program.
#include "wizard/SelectionWindow.h"

#include "TestPhotos.h"
#include "WizardHarness.h"
#include "platform/FsPath.h"
#include "ui_AboutBox.h"
#include "ui_PreparationWindow.h"
#include "ui_SelectionWindow.h"
#include "ui_SettingsWindow.h"
#include "wizard/AboutBox.h"
#include "wizard/FileList.h"
#include "wizard/FolderList.h"
#include "wizard/PhotoView.h"
#include "wizard/PreparationWindow.h"
#include "wizard/SettingsWindow.h"

#include <QAccessible>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString sep = QDir::separator();
const QString noPhotos = QStringLiteral("В выбранной папке нет файлов изображений");

QStringList lines(const QListWidget* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->text());
    return result;
}

// The given controls in the order Tab visits them.
QList<QWidget*> focusChain(QWidget* window, const QList<QWidget*>& controls) {
    QList<QWidget*> order;
    QWidget* w = window;
    do {
        w = w->nextInFocusChain();
        if (controls.contains(w) && !order.contains(w))
            order.append(w);
    } while (w != window);
    return order;
}

} // namespace

TEST_F(WizardTest, StartsWithDefaultsAndHintsBeforeAnyFolderIsChosen) {
    folder.writeFile("a.jpeg", makeJpeg(1));
    folder.writeFile("notes.txt", "x");
    start();
    SelectionWindow* selection = wizard->selectionWindow();
    const Ui::SelectionWindow& form = selection->form();
    EXPECT_TRUE(selection->isVisible());
    EXPECT_EQ(selection->windowTitle(), " Генератор фотоальбома (Выбор)");
    EXPECT_EQ(form.folderEdit->text(), folder.path() + sep);
    EXPECT_EQ(form.albumNameEdit->text(), "Мой фотоальбом");
    EXPECT_EQ(form.nameHint->text(), " < Введи название");
    const auto heard = [](QWidget* control, QAccessible::Text kind) {
        return QAccessible::queryAccessibleInterface(control)->text(kind);
    };
    EXPECT_EQ(heard(form.albumNameEdit, QAccessible::Description), "Введи название");
    EXPECT_EQ(heard(form.folderEdit, QAccessible::Name), "Альбом будет тут");
    const QPalette pathColours = form.folderEdit->palette();
    EXPECT_EQ(pathColours.color(QPalette::Base), pathColours.color(QPalette::Window));
    EXPECT_EQ(lines(form.fileList), QStringList({"a.jpeg", "notes.txt"}));
    EXPECT_EQ(state().sourceFolder, folder.path() + sep);
    EXPECT_EQ(state().photoCount(), 0);
    EXPECT_EQ(state().backgroundRed + state().backgroundGreen + state().backgroundBlue, 3 * 255);

    // The start folder is counted at once: it holds no JPEG photo.
    click(form.configureButton);
    click(form.prepareButton);
    click(form.generateButton);
    EXPECT_EQ(desktop.texts(),
              QStringList({noPhotos, noPhotos, "Нужно альбом настроить и подготовить"}));
    EXPECT_EQ(desktop.shown()[0].title, "Генератор фотоальбома");
    EXPECT_EQ(wizard->settingsWindow(), nullptr);

    EXPECT_EQ(
        focusChain(selection, {form.driveList, form.folderEdit, form.folderList, form.fileList,
                               form.albumNameEdit, form.configureButton, form.prepareButton,
                               form.generateButton, form.quitButton, form.aboutButton}),
        QList<QWidget*>({form.driveList, form.folderList, form.fileList, form.folderEdit,
                         form.albumNameEdit, form.configureButton, form.prepareButton,
                         form.generateButton, form.aboutButton, form.quitButton}));
}

TEST_F(WizardTest, FolderChangeListsJpegFilesInAnyCaseAndCountsThem) {
    const QString photos = photoFolder({"b.JPG", "a.jpg", "c-m.jpg"});
    folder.writeFile("photos/d.jpeg", makeJpeg(9));
    folder.writeFile("photos/e.txt", "x");
    start();
    chooseFolder(photos);
    const Ui::SelectionWindow& form = wizard->selectionWindow()->form();
    EXPECT_EQ(lines(form.fileList), QStringList({"a.jpg", "b.JPG", "c-m.jpg"}));
    EXPECT_EQ(state().folderPhotoCount, 3);
    EXPECT_EQ(state().sourceFolder, photos + sep);
    EXPECT_EQ(form.folderEdit->text(), photos + sep);
    FolderList* folders = form.folderList;
    QAccessibleInterface* here =
        QAccessible::queryAccessibleInterface(folders)->child(folders->currentRow());
    EXPECT_EQ(here->text(QAccessible::Name), "photos");
    EXPECT_EQ(here->text(QAccessible::Description),
              QString("уровень %1").arg(photos.count(sep) + 1));
    click(form.prepareButton);
    EXPECT_EQ(desktop.texts(),
              QStringList{"Проверьте, пожалуйста настройки, выбрав кнопку: Настроить."});
}

TEST_F(WizardTest, FolderThatCannotBeListedKeepsThePreviousFolder) {
    const QString photos = photoFolder({"a.jpg"});
    start();
    chooseFolder(photos);
    chooseFolder(folder.path() + sep + "gone");
    ASSERT_EQ(desktop.shown().size(), 1);
    EXPECT_TRUE(desktop.texts()[0].contains("gone")) << desktop.texts()[0].toStdString();
    EXPECT_EQ(wizard->selectionWindow()->form().folderList->path(), photos);
    EXPECT_EQ(state().sourceFolder, photos + sep);
    EXPECT_EQ(state().folderPhotoCount, 1);
}

TEST_F(WizardTest, FileClickPreviewsJpegFilesAndKeepsThePictureOtherwise) {
    folder.writeFile("one.JPG", makeJpeg(1, 640, 480));
    folder.writeFile("two.jpeg", makeJpeg(2));
    folder.writeFile("zbroken.jpg", "not a picture");
    start();
    const Ui::SelectionWindow& form = wizard->selectionWindow()->form();
    FileList* files = form.fileList;
    PhotoView* preview = form.preview;
    files->setCurrentRow(0);
    EXPECT_EQ(preview->shownFile(), folder.path() + sep + "one.JPG");
    EXPECT_EQ(preview->pixmap().size(), preview->contentsRect().size())
        << "decoded at control size";
    EXPECT_EQ(state().sourceFolder, folder.path() + sep);
    EXPECT_EQ(form.folderEdit->text(), folder.path() + sep);
    files->setCurrentRow(1); // .jpeg: no preview
    files->setCurrentRow(2); // unreadable
    EXPECT_EQ(preview->shownFile(), folder.path() + sep + "one.JPG");
    EXPECT_TRUE(preview->hasPicture());
    EXPECT_TRUE(desktop.shown().isEmpty());
    // Counted when the wizard started, not by the clicks.
    EXPECT_EQ(state().folderPhotoCount, 2);
    // A few hundred bytes that would take gigabytes to decode show nothing.
    folder.writeFile("zbomb.jpg", makeDecodeBomb());
    EXPECT_TRUE(decodeScaled(folder.filePath("zbomb.jpg"), QSize(320, 240)).isNull());
}

// A name from an old Windows archive is no UTF-8: the preview reads it by its bytes.
TEST_F(WizardTest, PreviewShowsAPhotoWhoseNameIsNotUtf8) {
    const QByteArray jpeg = makeJpeg(1, 640, 480);
    if (!writeByName(folder.path() + sep + fromFsBytes("\xcf\xf0\xe8.jpg"), jpeg))
        GTEST_SKIP() << "this file system takes no name that is not Unicode";
    start();
    wizard->selectionWindow()->form().fileList->setCurrentRow(0);
    EXPECT_TRUE(wizard->selectionWindow()->form().preview->hasPicture());
}

TEST_F(WizardTest, DefaultNameIsQuestionedAndYesStaysToEditIt) {
    const QString question =
        QStringLiteral("Что, так просто,\"Мой альбом\"? А где фантазия?  Хотите вернуться и "
                       "изменит его?");
    start();
    chooseFolder(photoFolder({"a.jpg", "b.jpg"}));
    desktop.answer(true);
    click(wizard->selectionWindow()->form().configureButton);
    ASSERT_EQ(desktop.shown().size(), 1);
    EXPECT_TRUE(desktop.shown()[0].question);
    EXPECT_EQ(desktop.shown()[0].text, question);
    EXPECT_EQ(desktop.shown()[0].title, "Внимание!");
    EXPECT_TRUE(wizard->selectionWindow()->isVisible());
    EXPECT_EQ(wizard->selectionWindow()->focusWidget(),
              wizard->selectionWindow()->form().albumNameEdit);
    EXPECT_EQ(wizard->settingsWindow(), nullptr);
    EXPECT_TRUE(state().albumName.isEmpty());

    desktop.answer(false);
    click(wizard->selectionWindow()->form().configureButton);
    EXPECT_EQ(state().albumName, "Мой фотоальбом");
    EXPECT_EQ(state().photoCount(), 2);
    EXPECT_NE(wizard->settingsWindow(), nullptr);
    EXPECT_FALSE(wizard->selectionWindow()->isVisible());
}

TEST_F(WizardTest, NameThatCannotNameAFolderIsRefused) {
    start();
    chooseFolder(photoFolder({"a.jpg"}));
    configure("Лето/Осень");
    ASSERT_EQ(desktop.shown().size(), 1);
    EXPECT_TRUE(desktop.texts()[0].startsWith("Недопустимое имя альбома."));
    EXPECT_TRUE(state().albumName.isEmpty());
    EXPECT_EQ(wizard->settingsWindow(), nullptr);
}

TEST_F(WizardTest, FortyOnePhotosAreCutToFortyOncePerPress) {
    QStringList names;
    for (int i = 1; i <= 41; ++i)
        names.append(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
    const QString photos = photoFolder(names);
    start();
    chooseFolder(photos);
    EXPECT_EQ(state().folderPhotoCount, 41);
    configure("Сорок");
    EXPECT_EQ(desktop.texts(), QStringList{"Программа может обработать только 40 изображений"});
    EXPECT_EQ(state().photoCount(), 40);
    EXPECT_EQ(state().photo(40).file, photos + sep + "p40.jpg");
    ASSERT_NE(wizard->settingsWindow(), nullptr);

    // Titles from file names count the folder again, with the same message.
    click(wizard->settingsWindow()->form().prepareButton);
    ASSERT_NE(wizard->preparationWindow(), nullptr);
    EXPECT_EQ(desktop.texts().count("Программа может обработать только 40 изображений"), 2);
    EXPECT_EQ(wizard->preparationWindow()->form().photoList->model()->rowCount(), 40);
}

TEST_F(WizardTest, AboutBoxStaysOpenWhileTheWizardGoesOn) {
    start();
    QPushButton* aboutButton = wizard->selectionWindow()->form().aboutButton;
    click(aboutButton);
    AboutBox* about = wizard->aboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->geometry().center(), wizard->selectionWindow()->geometry().center());
    EXPECT_EQ(about->windowTitle(), "О программе");
    EXPECT_EQ(about->form().titleLabel->text(), "Генератор фотоальбома");
    EXPECT_EQ(about->form().versionLabel->text(), "Version 1.0");
    EXPECT_FALSE(about->form().iconLabel->pixmap().isNull());
    EXPECT_EQ(about->form().descriptionLabel->text(),
              "Программа предназначена для создания фотоальбома в виде WEB-страниц.");
    // The caption as shown; "&" only marks the underlined shortcut letter.
    EXPECT_EQ(about->form().okButton->text().remove('&'), "OK");

    click(aboutButton);
    EXPECT_EQ(wizard->aboutBox(), about) << "a second press only brings the box forward";
    chooseFolder(photoFolder({"a.jpg"}));
    configure("Альбом");
    EXPECT_NE(wizard->settingsWindow(), nullptr);
    EXPECT_TRUE(about->isVisible());

    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_EQ(wizard->aboutBox(), nullptr);
    click(aboutButton);
    ASSERT_NE(wizard->aboutBox(), nullptr);
    click(wizard->aboutBox()->form().okButton);
    EXPECT_EQ(wizard->aboutBox(), nullptr);
    settle();
    EXPECT_EQ(desktop.programEnds(), 0);
}

TEST_F(WizardTest, QuitAndClosingTheSelectionWindowEndTheProgramWithoutAsking) {
    start();
    click(wizard->selectionWindow()->form().quitButton);
    EXPECT_EQ(desktop.programEnds(), 1);

    desktop.clear();
    wizard = std::make_unique<Wizard>(desktop, services.over(), folder.path());
    wizard->start();
    click(wizard->selectionWindow()->form().aboutButton); // another window is open
    wizard->selectionWindow()->close();
    EXPECT_EQ(desktop.programEnds(), 1);
    EXPECT_TRUE(desktop.shown().isEmpty());
}
