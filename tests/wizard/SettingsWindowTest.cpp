// The settings window: option labels and flags, the thumbnail scan as the user
// sees it, the existing-album refusal and the ways back to the selection window.
#include "wizard/SettingsWindow.h"

#include "WizardHarness.h"
#include "ui_GenerationWindow.h"
#include "ui_PreparationWindow.h"
#include "ui_SelectionWindow.h"
#include "ui_SettingsWindow.h"
#include "wizard/GenerationWindow.h"
#include "wizard/PhotoView.h"
#include "wizard/PreparationWindow.h"
#include "wizard/SelectionWindow.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString sep = QDir::separator();

// The notes of the first three options that are shown, in their order.
QList<QLabel*> shownNotes(const SettingsWindow* settings) {
    const Ui::SettingsWindow& form = settings->form();
    QList<QLabel*> shown;
    for (QLabel* note : {form.anySizeNote, form.preparedSizesNote, form.typedTitlesNote,
                         form.namedTitlesNote, form.insideFolderNote, form.renamedFolderNote}) {
        if (!note->isHidden())
            shown.append(note);
    }
    return shown;
}

// The notes shown for the options as they start: any sizes, titles from the
// file names, the album inside the kept folder.
QList<QLabel*> startingNotes(const SettingsWindow* settings) {
    const Ui::SettingsWindow& form = settings->form();
    return {form.anySizeNote, form.namedTitlesNote, form.insideFolderNote};
}

} // namespace

TEST_F(WizardTest, OptionsSwitchTheirLabelsAndFlags) {
    start();
    chooseFolder(photoFolder({"a.jpg"}));
    configure("Альбом");
    SettingsWindow* settings = wizard->settingsWindow();
    ASSERT_NE(settings, nullptr);
    const Ui::SettingsWindow& form = settings->form();
    EXPECT_EQ(settings->windowTitle(), " Генератор фотоальбома (Настройка)");
    EXPECT_EQ(form.titlesFromNamesCheck->text().remove('&'),
              "Использовать  для комментария к фото имя файла");
    EXPECT_EQ(shownNotes(settings), startingNotes(settings));
    EXPECT_FALSE(state().thumbnails);
    EXPECT_TRUE(state().titlesFromFileNames);
    EXPECT_TRUE(state().keepSourceFolder);

    form.titlesFromNamesCheck->click();
    form.keepFolderCheck->click();
    EXPECT_EQ(shownNotes(settings),
              QList<QLabel*>({form.anySizeNote, form.typedTitlesNote, form.renamedFolderNote}));
    EXPECT_FALSE(state().titlesFromFileNames);
    EXPECT_FALSE(state().keepSourceFolder);
    auto* web = form.webPhotosCheck;
    const QString why = QAccessible::queryAccessibleInterface(web)->text(QAccessible::Description);
    EXPECT_TRUE(!web->isEnabled() && why.contains("«Папку и исходные изображения в ней"));

    // "Выбрать" keeps the window as it is; the next "Настроить" only brings it back.
    click(form.selectionButton);
    EXPECT_TRUE(wizard->selectionWindow()->isVisible());
    click(wizard->selectionWindow()->form().configureButton);
    EXPECT_EQ(wizard->settingsWindow(), settings);
    EXPECT_FALSE(form.keepFolderCheck->isChecked());

    // Closing it shows the selection window; the next showing starts afresh.
    wizard->selectionWindow()->hide();
    settings->close();
    EXPECT_TRUE(wizard->selectionWindow()->isVisible());
    EXPECT_EQ(wizard->settingsWindow(), nullptr);
    click(wizard->selectionWindow()->form().configureButton);
    ASSERT_NE(wizard->settingsWindow(), nullptr);
    EXPECT_EQ(shownNotes(wizard->settingsWindow()), startingNotes(wizard->settingsWindow()));
    EXPECT_TRUE(state().keepSourceFolder);
}

TEST_F(WizardTest, MatchingThumbnailsStayWithTheirPhotosIntoTheAlbum) {
    const QString photos = photoFolder({"a.jpg", "b.jpg", "a-m.jpg", "b-m.jpg"});
    start();
    chooseFolder(photos);
    configure("Мини");
    SettingsWindow* settings = wizard->settingsWindow();
    ASSERT_NE(settings, nullptr);
    const Ui::SettingsWindow& form = settings->form();
    form.thumbnailsCheck->click();
    EXPECT_TRUE(desktop.shown().isEmpty());
    EXPECT_TRUE(form.thumbnailsCheck->isChecked());
    EXPECT_EQ(shownNotes(settings), QList<QLabel*>({form.preparedSizesNote, form.namedTitlesNote,
                                                    form.insideFolderNote}));
    EXPECT_EQ(state().photoCount(), 2);

    click(form.prepareButton);
    PreparationWindow* preparation = wizard->preparationWindow();
    ASSERT_NE(preparation, nullptr);
    EXPECT_EQ(preparation->form().thumbnailPreview->shownFile(), photos + sep + "a-m.jpg");
    click(preparation->form().downButton);
    EXPECT_EQ(preparation->form().preview->shownFile(), photos + sep + "a.jpg");
    EXPECT_EQ(preparation->form().thumbnailPreview->shownFile(), photos + sep + "a-m.jpg");

    click(preparation->form().generateButton);
    click(wizard->generationWindow()->form().createButton);
    const QString album = photos + sep + "Мини" + sep;
    for (const char* name : {"n1.jpg", "n1-m.jpg", "n2.jpg", "n2-m.jpg"})
        EXPECT_TRUE(QFile::exists(album + name)) << name;
    // Photo a moved to the second place and took its thumbnail along.
    QFile moved(album + "n2-m.jpg");
    QFile original(photos + sep + "a-m.jpg");
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), original.readAll());
}

TEST_F(WizardTest, MissingThumbnailsSwitchTheOptionOff) {
    start();
    chooseFolder(photoFolder({"a.jpg", "b.jpg", "c.jpg", "a-m.jpg", "b-m.jpg"}));
    configure("Мини");
    SettingsWindow* settings = wizard->settingsWindow();
    ASSERT_NE(settings, nullptr);
    const Ui::SettingsWindow& form = settings->form();
    form.thumbnailsCheck->click();
    EXPECT_EQ(desktop.texts(),
              QStringList{"Проверьте наличие миниатюр и их соответствие главным изображениям в "
                          "выбранной папке. Найдено:  3 -  2"});
    EXPECT_FALSE(form.thumbnailsCheck->isChecked());
    EXPECT_EQ(shownNotes(settings), startingNotes(settings));
    EXPECT_FALSE(state().thumbnails);
}

TEST_F(WizardTest, FortyPhotosWithoutThumbnailsAreToldOnceWithTheNotesWhole) {
    QStringList names;
    for (int i = 1; i <= 40; ++i)
        names.append(QStringLiteral("p%1.jpg").arg(i));
    start(photoFolder(names));
    configure("Мини");
    SettingsWindow* settings = wizard->settingsWindow();
    QList<QLabel*> notesWhileTold;
    desktop.onShown = [&](const auto&) { notesWhileTold = shownNotes(settings); };
    settings->form().thumbnailsCheck->click();
    EXPECT_TRUE(desktop.texts().size() == 1 && desktop.texts()[0].startsWith("Проверьте"));
    EXPECT_EQ(notesWhileTold, startingNotes(settings));
    settings->resize(settings->minimumWidth(), 1);
    settle();
    for (QLabel* note : settings->findChildren<QLabel*>())
        EXPECT_GE(note->height(), note->heightForWidth(note->width()));
}

TEST_F(WizardTest, MoreThanTwentyThumbnailsSwitchTheOptionOff) {
    QStringList names;
    for (int i = 1; i <= 21; ++i)
        names += {QStringLiteral("p%1.jpg").arg(i), QStringLiteral("p%1-m.jpg").arg(i)};
    start();
    chooseFolder(photoFolder(names));
    configure("Мини");
    SettingsWindow* settings = wizard->settingsWindow();
    ASSERT_NE(settings, nullptr);
    const Ui::SettingsWindow& form = settings->form();
    desktop.clear();
    form.thumbnailsCheck->click();
    EXPECT_EQ(desktop.texts(),
              QStringList{"Программа может обработать для WEB только 20 миниатюр"});
    EXPECT_FALSE(form.thumbnailsCheck->isChecked());
    EXPECT_FALSE(state().thumbnails);
}

TEST_F(WizardTest, PrepareLeavesNoFolderBehindAndRefusesAnExistingAlbum) {
    const QString photos = photoFolder({"a.jpg"});
    start();
    chooseFolder(photos);
    configure("Альбом");
    SettingsWindow* settings = wizard->settingsWindow();
    ASSERT_NE(settings, nullptr);
    const Ui::SettingsWindow& form = settings->form();
    click(form.prepareButton);
    EXPECT_NE(wizard->preparationWindow(), nullptr);
    EXPECT_FALSE(wizard->selectionWindow()->isVisible());
    // Back and forth with the same name is no refusal, and nothing is made on disk.
    click(form.prepareButton);
    EXPECT_TRUE(desktop.texts().isEmpty());
    EXPECT_EQ(QDir(photos).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"a.jpg"});

    QDir().mkdir(photos + sep + "Альбом");
    click(form.prepareButton);
    EXPECT_EQ(desktop.texts(),
              QStringList{"Фотоальбом с таким именем уже существует. Программа не позволяет "
                          "перезаписывать альбомы. Пожалуйста дайте альбому другое имя. "});
    EXPECT_TRUE(wizard->selectionWindow()->isVisible());
    EXPECT_EQ(wizard->settingsWindow(), settings);
}

TEST_F(WizardTest, ModernAlbumTakesEveryPhotoWithTheOtherPhotoBoxesOff) {
    QStringList names{"p0-m.jpg"};
    for (int i = 1; i <= 45; ++i)
        names.append(QStringLiteral("p%1.jpg").arg(i));
    start(photoFolder(names));
    configure("Мини");
    const Ui::SettingsWindow& form = wizard->settingsWindow()->form();
    form.webPhotosCheck->click();
    form.modernAlbumCheck->click();
    EXPECT_TRUE(state().modernAlbum && !state().webPhotos && state().photoCount() == 45);
    for (QCheckBox* box : {form.thumbnailsCheck, form.webPhotosCheck}) {
        EXPECT_TRUE(!box->isChecked() && !box->isEnabled());
        EXPECT_TRUE(box->accessibleDescription().contains("«Современный альбом»"));
    }
    // Every photo is listed, its thumbnail made from the photo itself.
    desktop.clear();
    click(form.prepareButton);
    const Ui::PreparationWindow& preparation = wizard->preparationWindow()->form();
    EXPECT_TRUE(desktop.texts().isEmpty() && preparation.photoList->model()->rowCount() == 45);
    EXPECT_EQ(preparation.thumbnailPreview->shownFile(), state().photo(1).file);
    click(preparation.settingsButton);

    // Off again, the other boxes come back; in rename mode it waits as the web box does.
    form.modernAlbumCheck->click();
    EXPECT_TRUE(form.thumbnailsCheck->isEnabled() && form.webPhotosCheck->isEnabled());
    form.keepFolderCheck->click();
    EXPECT_FALSE(form.modernAlbumCheck->isEnabled() || form.webPhotosCheck->isEnabled());
}
