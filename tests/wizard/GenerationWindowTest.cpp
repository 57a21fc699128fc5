// The generation window: what it shows, the colour bars, the description, and
// a generation that fails, also on a disk that fails under it.
#include "wizard/GenerationWindow.h"

#include "DiskContents.h"
#include "FaultyFileOps.h"
#include "WizardHarness.h"
#include "ui_GenerationWindow.h"
#include "ui_PreparationWindow.h"
#include "ui_SettingsWindow.h"
#include "wizard/PhotoView.h"
#include "wizard/PreparationWindow.h"
#include "wizard/SelectionWindow.h"
#include "wizard/SettingsWindow.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cerrno>

namespace {

const QString sep = QDir::separator();

QColor background(QWidget* window) {
    return window->palette().color(QPalette::Window);
}

} // namespace

class GenerationTest : public WizardTest {
protected:
    GenerationWindow* openGeneration(const QStringList& names, const QString& name = "Альбом") {
        photos = photoFolder(names);
        start();
        chooseFolder(photos);
        configure(name);
        click(wizard->settingsWindow()->form().prepareButton);
        click(wizard->preparationWindow()->form().generateButton);
        return wizard->generationWindow();
    }

    QString photos;
};

TEST_F(GenerationTest, ShowsTheAlbumAndMirrorsTheBarsIntoTheColour) {
    GenerationWindow* generation = openGeneration({"Дача.jpg"});
    ASSERT_NE(generation, nullptr);
    EXPECT_EQ(generation->windowTitle(), " Фотоальбом (Генерация)");
    EXPECT_EQ(generation->form().albumNameLabel->text(), "Альбом");
    EXPECT_EQ(generation->form().firstTitleLabel->text(), "Первая");
    EXPECT_EQ(generation->form().secondTitleLabel->text(), "");
    EXPECT_EQ(generation->form().backgroundCaption->text(), "Выбери       фон");
    EXPECT_EQ(generation->form().statusLabel->text(), "");
    EXPECT_TRUE(generation->form().firstPreview->hasPicture());
    EXPECT_FALSE(generation->form().secondPreview->hasPicture());

    auto* red = generation->form().redBar;
    auto* green = generation->form().greenBar;
    auto* blue = generation->form().blueBar;
    for (QScrollBar* bar : {red, green, blue}) {
        EXPECT_EQ(bar->value(), 0);
        EXPECT_EQ(bar->maximum(), 255);
    }
    EXPECT_EQ(background(generation), QColor(255, 255, 255));

    green->setValue(255);
    EXPECT_EQ(state().backgroundGreen, 0);
    EXPECT_EQ(background(generation), QColor(255, 0, 255));
    blue->setValue(55);
    EXPECT_EQ(state().backgroundBlue, 200);
    EXPECT_EQ(state().backgroundRed, 255);

    // Closed and opened again, window and album still agree on the colour.
    generation->close();
    settle();
    click(wizard->preparationWindow()->form().generateButton);
    generation = wizard->generationWindow();
    ASSERT_NE(generation, nullptr);
    EXPECT_EQ(generation->form().greenBar->value(), 255);
    EXPECT_EQ(generation->form().blueBar->value(), 55);
    EXPECT_EQ(background(generation), QColor(255, 0, 200));
    EXPECT_EQ(QColor(state().backgroundRed, state().backgroundGreen, state().backgroundBlue),
              QColor(255, 0, 200));
    // A screen reader hears a slider of the component; Page Down takes 16 off it.
    auto* redAgain = generation->form().redBar;
    QTest::keyClick(redAgain, Qt::Key_PageDown);
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(redAgain);
    EXPECT_EQ(heard->role(), QAccessible::Slider);
    EXPECT_EQ(heard->text(QAccessible::Value), "239");
    EXPECT_EQ(state().backgroundRed, 239);
}

TEST_F(GenerationTest, LongNamesKeepTheirColumnsAndAreHeardWhole) {
    const QString word = QString("Летнийотдыхнадаче").repeated(8);
    GenerationWindow* generation = openGeneration({word.left(100) + "#.jpg"}, word.left(125));
    auto* title = generation->form().firstTitleLabel;
    EXPECT_LE(title->width(), generation->form().firstPreview->width());
    for (QLabel* label : {title, generation->form().albumNameLabel}) {
        EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << label->text().toStdString();
        EXPECT_TRUE(word.startsWith(label->toolTip()) && label->toolTip().size() >= 100);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                  label->toolTip());
    }
}

TEST_F(GenerationTest, DescriptionIsWrittenOnEveryKeystrokeAndKeptAfterClosing) {
    GenerationWindow* generation = openGeneration({"a.jpg", "b.jpg"});
    auto* description = generation->form().descriptionEdit;
    EXPECT_EQ(description->toPlainText(), "Этот альбом показывает и рассказывает о ...");
    description->clear();
    typeText(description, "Л");
    EXPECT_EQ(state().description, "Л");
    typeText(description, "ето\nна даче");
    EXPECT_EQ(state().description, "Лето\r\nна даче");

    generation->close();
    settle();
    click(wizard->preparationWindow()->form().generateButton);
    EXPECT_EQ(wizard->generationWindow()->form().descriptionEdit->toPlainText(), "Лето\nна даче");
}

TEST_F(GenerationTest, FailedGenerationNamesTheFileAndLeavesTheWizardUsable) {
    GenerationWindow* generation = openGeneration({"a.jpg", "b.jpg"});
    const QByteArray kept = folder.readFile("photos/b.jpg");
    ASSERT_TRUE(QFile::remove(photos + sep + "b.jpg"));
    click(generation->form().createButton);
    ASSERT_EQ(desktop.shown().size(), 1);
    EXPECT_TRUE(desktop.texts()[0].contains(photos + sep + "b.jpg"))
        << desktop.texts()[0].toStdString();
    EXPECT_EQ(wizard->generationWindow(), generation);
    EXPECT_TRUE(desktop.openedPages().isEmpty());
    EXPECT_EQ(desktop.programEnds(), 0);

    // Put right, the same window makes the album.
    folder.writeFile("photos/b.jpg", kept);
    desktop.clear();
    desktop.answer(false);
    click(generation->form().createButton);
    EXPECT_EQ(desktop.texts(), QStringList{"Просматривать будем?"});
    EXPECT_TRUE(QFile::exists(photos + sep + "Альбом" + sep + "n2.htm"));
    EXPECT_EQ(wizard->generationWindow(), nullptr);
    // Each copied photo, index row and page is shown with its pause.
    EXPECT_EQ(desktop.pauses(), QList<int>({300, 300, 200, 200, 300, 300}));
}

TEST_F(GenerationTest, EventLoopRunsDuringGenerationAndTakesNoOtherInput) {
    GenerationWindow* generation = openGeneration({"a.jpg", "b.jpg", "c.jpg"});
    auto* create = generation->form().createButton;
    auto* bar = generation->form().progressBar;
    int ticks = 0;
    bool closed = true;
    bool disabled = false;
    QList<int> progress;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks == 1) {
            // A second "Создать", "Выйти" elsewhere and closing: all without effect.
            QTest::mouseClick(create, Qt::LeftButton);
            QTest::mouseClick(wizard->preparationWindow()->form().quitButton, Qt::LeftButton);
            closed = generation->close();
            disabled = !create->isEnabled() && !wizard->preparationWindow()->isEnabled() &&
                       generation->form().stopButton->isEnabled();
        }
        if (progress.isEmpty() || progress.last() != bar->value())
            progress.append(bar->value());
    });
    timer.start(0);
    desktop.answer(true);
    click(generation->form().createButton);
    timer.stop();

    EXPECT_GT(ticks, 1);
    EXPECT_FALSE(closed);
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(wizard->preparationWindow()->isEnabled());
    EXPECT_EQ(desktop.programEnds(), 0);
    EXPECT_EQ(desktop.texts(), QStringList{"Просматривать будем?"});
    EXPECT_EQ(desktop.openedPages().size(), 1);
    // The bar counts the copies, index rows and pages up to all of them.
    EXPECT_EQ(bar->maximum(), 9);
    EXPECT_EQ(progress.last(), 9);
    EXPECT_GT(progress.size(), 3);
}

TEST_F(GenerationTest, DiskFailingMidGenerationLeavesEveryFolderAsItWas) {
    // Rename mode: the folder and its photos are renamed before the disk fails.
    FaultyFileOps faultyDisk;
    faultyDisk.failWhen(
        [](const FaultyFileOps::Call& call) {
            return call.kind == FaultyFileOps::Kind::Rename && call.target.endsWith("n2.jpg");
        },
        ENOSPC);
    disk = &faultyDisk;
    photos = photoFolder({"a.jpg", "b.jpg"});
    const QMap<QString, QByteArray> before = treeSnapshot(folder.path());
    start();
    chooseFolder(photos);
    configure("Альбом");
    click(wizard->settingsWindow()->form().keepFolderCheck);
    click(wizard->settingsWindow()->form().prepareButton);
    click(wizard->preparationWindow()->form().generateButton);
    click(wizard->generationWindow()->form().createButton);

    EXPECT_GT(faultyDisk.failures(), 0);
    EXPECT_EQ(changes(before, treeSnapshot(folder.path())), QStringList());
    ASSERT_EQ(desktop.texts().size(), 1);
    EXPECT_TRUE(desktop.texts()[0].contains("n2.jpg")) << desktop.texts()[0].toStdString();
    EXPECT_NE(wizard->generationWindow(), nullptr);
}
