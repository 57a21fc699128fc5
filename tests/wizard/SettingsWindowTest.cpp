// The settings window: option labels and flags, the thumbnail scan as the user
// sees it, the existing-album refusal and the ways back to the selection window.
#include "wizard/SettingsWindow.h"

#include "WizardHarness.h"
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

// Which of the six option labels are shown, as a string of their numbers.
QString shownLabels(QWidget* settings) {
    QString shown;
    for (int n = 2; n <= 7; ++n) {
        auto* label = settings->findChild<QLabel*>(QStringLiteral("Label%1").arg(n));
        if (label && !label->isHidden())
            shown += QString::number(n);
    }
    return shown;
}

} // namespace

TEST_F(WizardTest, OptionsSwitchTheirLabelsAndFlags) {
    start();
    chooseFolder(photoFolder({"a.jpg"}));
    configure("Альбом");
    SettingsWindow* settings = wizard->settingsWindow();
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(settings->windowTitle(), " Генератор фотоальбома (Настройка)");
    EXPECT_EQ(control<QCheckBox>(settings, Settings::titlesFromNames)->text().remove('&'),
              "Использовать  для комментария к фото имя файла");
    EXPECT_EQ(shownLabels(settings), "256");
    EXPECT_FALSE(state().thumbnails);
    EXPECT_TRUE(state().titlesFromFileNames);
    EXPECT_TRUE(state().keepSourceFolder);

    control<QCheckBox>(settings, Settings::titlesFromNames)->click();
    control<QCheckBox>(settings, Settings::keepFolder)->click();
    EXPECT_EQ(shownLabels(settings), "247");
    EXPECT_FALSE(state().titlesFromFileNames);
    EXPECT_FALSE(state().keepSourceFolder);
    auto* web = control<QCheckBox>(settings, Settings::webPhotos);
    const QString why = QAccessible::queryAccessibleInterface(web)->text(QAccessible::Description);
    EXPECT_TRUE(!web->isEnabled() && why.contains("«Папку и исходные изображения в ней"));

    // "Выбрать" keeps the window as it is; the next "Настроить" only brings it back.
    click(settings, Settings::choose);
    EXPECT_TRUE(wizard->selectionWindow()->isVisible());
    click(wizard->selectionWindow(), Selection::configure);
    EXPECT_EQ(wizard->settingsWindow(), settings);
    EXPECT_FALSE(control<QCheckBox>(settings, Settings::keepFolder)->isChecked());

    // Closing it shows the selection window; the next showing starts afresh.
    wizard->selectionWindow()->hide();
    settings->close();
    EXPECT_TRUE(wizard->selectionWindow()->isVisible());
    EXPECT_EQ(wizard->settingsWindow(), nullptr);
    click(wizard->selectionWindow(), Selection::configure);
    ASSERT_NE(wizard->settingsWindow(), nullptr);
    EXPECT_EQ(shownLabels(wizard->settingsWindow()), "256");
    EXPECT_TRUE(state().keepSourceFolder);
}

TEST_F(WizardTest, MatchingThumbnailsStayWithTheirPhotosIntoTheAlbum) {
    const QString photos = photoFolder({"a.jpg", "b.jpg", "a-m.jpg", "b-m.jpg"});
    start();
    chooseFolder(photos);
    configure("Мини");
    SettingsWindow* settings = wizard->settingsWindow();
    control<QCheckBox>(settings, Settings::thumbnails)->click();
    EXPECT_TRUE(desktop.shown().isEmpty());
    EXPECT_TRUE(control<QCheckBox>(settings, Settings::thumbnails)->isChecked());
    EXPECT_EQ(shownLabels(settings), "356");
    EXPECT_EQ(state().photoCount(), 2);

    click(settings, Settings::prepare);
    PreparationWindow* preparation = wizard->preparationWindow();
    ASSERT_NE(preparation, nullptr);
    EXPECT_EQ(control<PhotoView>(preparation, Preparation::thumbnail)->shownFile(),
              photos + sep + "a-m.jpg");
    click(preparation, Preparation::down);
    EXPECT_EQ(control<PhotoView>(preparation, Preparation::photo)->shownFile(),
              photos + sep + "a.jpg");
    EXPECT_EQ(control<PhotoView>(preparation, Preparation::thumbnail)->shownFile(),
              photos + sep + "a-m.jpg");

    click(preparation, Preparation::generate);
    click(wizard->generationWindow(), Generation::create);
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
    control<QCheckBox>(settings, Settings::thumbnails)->click();
    EXPECT_EQ(desktop.texts(),
              QStringList{"Проверьте наличие миниатюр и их соответствие главным изображениям в "
                          "выбранной папке. Найдено:  3 -  2"});
    EXPECT_FALSE(control<QCheckBox>(settings, Settings::thumbnails)->isChecked());
    EXPECT_EQ(shownLabels(settings), "256");
    EXPECT_FALSE(state().thumbnails);
}

TEST_F(WizardTest, FortyPhotosWithoutThumbnailsAreToldOnceWithTheNotesWhole) {
    QStringList names;
    for (int i = 1; i <= 40; ++i)
        names.append(QStringLiteral("p%1.jpg").arg(i));
    start(photoFolder(names));
    configure("Мини");
    SettingsWindow* settings = wizard->settingsWindow();
    QString notesWhileTold;
    desktop.onShown = [&](const auto&) { notesWhileTold = shownLabels(settings); };
    control<QCheckBox>(settings, Settings::thumbnails)->click();
    EXPECT_TRUE(desktop.texts().size() == 1 && desktop.texts()[0].startsWith("Проверьте"));
    EXPECT_EQ(notesWhileTold, "256");
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
    desktop.clear();
    control<QCheckBox>(settings, Settings::thumbnails)->click();
    EXPECT_EQ(desktop.texts(),
              QStringList{"Программа может обработать для WEB только 20 миниатюр"});
    EXPECT_FALSE(control<QCheckBox>(settings, Settings::thumbnails)->isChecked());
    EXPECT_FALSE(state().thumbnails);
}

TEST_F(WizardTest, PrepareLeavesNoFolderBehindAndRefusesAnExistingAlbum) {
    const QString photos = photoFolder({"a.jpg"});
    start();
    chooseFolder(photos);
    configure("Альбом");
    SettingsWindow* settings = wizard->settingsWindow();
    click(settings, Settings::prepare);
    EXPECT_NE(wizard->preparationWindow(), nullptr);
    EXPECT_FALSE(wizard->selectionWindow()->isVisible());
    // Back and forth with the same name is no refusal, and nothing is made on disk.
    click(settings, Settings::prepare);
    EXPECT_TRUE(desktop.texts().isEmpty());
    EXPECT_EQ(QDir(photos).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"a.jpg"});

    QDir().mkdir(photos + sep + "Альбом");
    click(settings, Settings::prepare);
    EXPECT_EQ(desktop.texts(),
              QStringList{"Фотоальбом с таким именем уже существует. Программа не позволяет "
                          "перезаписывать альбомы. Пожалуйста дайте альбому другое имя. "});
    EXPECT_TRUE(wizard->selectionWindow()->isVisible());
    EXPECT_EQ(wizard->settingsWindow(), settings);
}
