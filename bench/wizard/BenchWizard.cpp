// bench_wizard [PHOTO.jpg]: how long the wizard takes to put its first window on screen,
// how much the preview gains by decoding a large photo at the control's size
// instead of in full, and the longest time the event loop stands still while
// the generation window writes a 40-photo album (the photos of
// PHOTOALBUM_BENCH_PHOTOS when set, else made ones), how soon «Прервать»
// has undone such a run, the same two with web photos made from 40 photos of
// 24 MP («Прервать» pressed while they are being made), and how quickly the
// preparation window shows a list of 1,000 photos and moves one of them. Runs
// offscreen unless QT_QPA_PLATFORM says otherwise. Prints the figures; the exit
// status is 0 regardless.

#include "ScriptedDesktop.h"
#include "platform/FolderLock.h"
#include "platform/RealFileOps.h"
#include "ui_GenerationWindow.h"
#include "ui_PreparationWindow.h"
#include "ui_SelectionWindow.h"
#include "ui_SettingsWindow.h"
#include "wizard/GenerationWindow.h"
#include "wizard/PhotoView.h"
#include "wizard/PreparationWindow.h"
#include "wizard/SelectionWindow.h"
#include "wizard/SettingsWindow.h"
#include "wizard/Wizard.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 5;
const char* const FirstWindowMode = "--first-window";

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double msSince(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// The child run: starts the wizard and prints the time from its own start to
// the moment the first window is on screen and painted.
int firstWindowChild(const QElapsedTimer& sinceMain) {
    ScriptedDesktop desktop;
    RealFileOps disk;
    FolderLocks locks;
    Wizard wizard(desktop, {disk, locks, QCoreApplication::applicationDirPath()},
                  QDir::currentPath());
    wizard.start();
    SelectionWindow* selection = wizard.selectionWindow();
    while (!selection->windowHandle() || !selection->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    selection->repaint();
    std::printf("%.3f\n", msSince(sinceMain));
    std::fflush(stdout);
    return 0;
}

// A 24-megapixel photo like a camera's: smooth shapes and light grain,
// about 6 MB at quality 92.
QString makeLargePhoto(const QString& folder) {
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator random(24);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const quint32 grain = random.generate();
            const double shape =
                std::sin(x / 97.0) * std::cos(y / 61.0) * 60 + std::sin((x + y) / 23.0) * 20;
            auto channel = [&](int base, int shift) {
                const int noise = static_cast<int>((grain >> shift) % 21) - 10;
                return std::clamp(base + static_cast<int>(shape) + noise, 0, 255);
            };
            line[x] = qRgb(channel(120 + x / 60, 0), channel(100 + y / 40, 8), channel(150, 16));
        }
    }
    const QString path = folder + QStringLiteral("/large.jpg");
    image.save(path, "JPEG", 92);
    return path;
}

// Forty photos to make an album of, in a folder of their own.
QString fortyPhotos(const QString& folder) {
    const QString target = folder + QStringLiteral("/forty");
    QDir().mkpath(target);
    const QString given = qEnvironmentVariable("PHOTOALBUM_BENCH_PHOTOS");
    const QStringList names = given.isEmpty()
                                  ? QStringList()
                                  : QDir(given).entryList({QStringLiteral("*.jpg")}, QDir::Files);
    if (names.size() >= 40) {
        for (int k = 0; k < 40; ++k)
            QFile::copy(given + QLatin1Char('/') + names[k], target + QLatin1Char('/') + names[k]);
        return target;
    }
    QImage image(2400, 1600, QImage::Format_RGB32);
    for (int k = 1; k <= 40; ++k) {
        image.fill(QColor::fromHsv(k * 8, 160, 200));
        image.save(target + QStringLiteral("/photo%1.jpg").arg(k, 2, 10, QLatin1Char('0')), "JPEG",
                   90);
    }
    return target;
}

// The album is written on a thread of its own; the event loop runs meanwhile.
void waitWhileBusy(const Wizard& wizard) {
    while (wizard.busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Forty copies of one large photo, in a folder of their own.
QString fortyCopiesOf(const QString& photo, const QString& folder) {
    const QString target = folder + QStringLiteral("/forty-large");
    QDir().mkpath(target);
    for (int k = 1; k <= 40; ++k)
        QFile::copy(photo, target + QStringLiteral("/photo%1.jpg").arg(k, 2, 10, QLatin1Char('0')));
    return target;
}

// Starts the wizard over the photos and walks it in copy mode to the
// generation window for an album of that name, with web photos when asked;
// null when it does not get there.
GenerationWindow* walkToGeneration(Wizard& wizard, const QString& albumName, bool web) {
    wizard.start();
    wizard.selectionWindow()->form().albumNameEdit->setText(albumName);
    wizard.selectionWindow()->form().configureButton->click();
    if (SettingsWindow* settings = wizard.settingsWindow()) {
        if (web)
            settings->form().webPhotosCheck->setChecked(true);
        settings->form().prepareButton->click();
    }
    if (PreparationWindow* preparation = wizard.preparationWindow())
        preparation->form().generateButton->click();
    GenerationWindow* generation = wizard.generationWindow();
    // A user presses «Создать» in a window already on screen: its first paint,
    // and that of the windows behind it, is no part of the run.
    if (generation) {
        while (!generation->windowHandle() || !generation->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents();
    }
    return generation;
}

// Walks the wizard over the photos in copy mode (with web photos when asked) and
// presses "Создать" with a timer that fires on every turn of the event loop;
// returns the longest time between two turns, or a negative figure when the
// album was not made.
double longestStandstillMs(const QString& photos, bool web) {
    ScriptedDesktop desktop;
    RealFileOps disk;
    FolderLocks locks;
    Wizard wizard(desktop, {disk, locks, QCoreApplication::applicationDirPath()}, photos);
    GenerationWindow* generation = walkToGeneration(wizard, QStringLiteral("Замер"), web);
    if (!generation)
        return -1;

    QElapsedTimer sinceTurn;
    double longest = 0;
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] {
        longest = std::max(longest, msSince(sinceTurn));
        sinceTurn.restart();
    });
    turns.start(0);
    sinceTurn.start();
    generation->form().createButton->click();
    waitWhileBusy(wizard);
    longest = std::max(longest, msSince(sinceTurn));
    turns.stop();
    const bool made = QFileInfo::exists(photos + QStringLiteral("/Замер/n40.htm"));
    wizard.endProgram();
    return made ? longest : -1;
}

// Presses "Создать" again, "Прервать" half-way through the captions (with web
// photos: once the first of them is made), and returns the time from that press
// until the run has undone itself, or a negative figure when it did not stop.
double stopMs(const QString& photos, bool web) {
    ScriptedDesktop desktop;
    RealFileOps disk;
    FolderLocks locks;
    Wizard wizard(desktop, {disk, locks, QCoreApplication::applicationDirPath()}, photos);
    GenerationWindow* generation = walkToGeneration(wizard, QStringLiteral("Стоп"), web);
    if (!generation)
        return -1;
    generation->form().createButton->click();
    while (wizard.busy() && desktop.pauses().size() < (web ? 1 : 40))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QElapsedTimer sinceStop;
    sinceStop.start();
    generation->form().stopButton->click();
    waitWhileBusy(wizard);
    const double ms = msSince(sinceStop);
    const bool undone = !QFileInfo::exists(photos + QStringLiteral("/Стоп")) &&
                        desktop.texts().value(0).contains(QStringLiteral("прервано"));
    wizard.endProgram();
    return undone ? ms : -1;
}

// A thousand small photos of their own, far more than an album takes: the
// preparation window's list at a length where only what is in sight may cost.
QStringList thousandPhotos(const QString& folder) {
    const QString target = folder + QStringLiteral("/thousand");
    QDir().mkpath(target);
    QStringList files;
    QImage image(320, 240, QImage::Format_RGB32);
    for (int k = 1; k <= 1000; ++k) {
        image.fill(QColor::fromHsv(k % 360, 160, 200));
        files.append(target + QStringLiteral("/photo%1.jpg").arg(k, 4, 10, QLatin1Char('0')));
        image.save(files.last(), "JPEG", 80);
    }
    return files;
}

struct ListTimes {
    double shownMs = -1;
    double downMs = -1;
    double dropMs = -1;
};

// The preparation window over the photos: from asking for it until it is on
// screen with its first paint done; then «Вниз» on the first line and a line
// dropped from the top to the bottom, each until the list has repainted.
ListTimes preparationOf(const QStringList& files) {
    ScriptedDesktop desktop;
    RealFileOps disk;
    FolderLocks locks;
    Wizard wizard(desktop, {disk, locks, QCoreApplication::applicationDirPath()},
                  QFileInfo(files.first()).path());
    wizard.start();
    AlbumState& state = wizard.state();
    state.photos.clear();
    for (const QString& file : files)
        state.photos.append({file, {}, QFileInfo(file).completeBaseName(), {}});
    state.thumbnails = false;
    state.titlesFromFileNames = false;

    ListTimes times;
    QElapsedTimer timer;
    timer.start();
    PreparationWindow* preparation = wizard.showPreparationWindow();
    preparation->focusFirstPhoto();
    while (!preparation->windowHandle() || !preparation->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    preparation->repaint();
    times.shownMs = msSince(timer);

    const Ui::PreparationWindow& form = preparation->form();
    timer.restart();
    form.downButton->click();
    form.photoList->viewport()->repaint();
    times.downMs = state.photos[1].file == files[0] ? msSince(timer) : -1;

    QAbstractItemModel* lines = form.photoList->model();
    timer.restart();
    lines->moveRow({}, 0, {}, lines->rowCount());
    form.photoList->viewport()->repaint();
    times.dropMs = state.photos.last().file == files[1] ? msSince(timer) : -1;
    wizard.endProgram();
    return times;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (QCoreApplication::arguments().contains(QLatin1String(FirstWindowMode)))
        return firstWindowChild(sinceMain);

    // The first window, as a user waits for it: from starting the process.
    std::vector<double> wholeProcess;
    std::vector<double> inProcess;
    for (int run = 0; run < Runs; ++run) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(), {QLatin1String(FirstWindowMode)});
        child.waitForReadyRead(10000);
        wholeProcess.push_back(msSince(timer));
        inProcess.push_back(child.readAllStandardOutput().trimmed().toDouble());
        child.waitForFinished(10000);
    }

    // A photo named on the command line is timed instead of the made one.
    QTemporaryDir folder;
    const QStringList args = QCoreApplication::arguments();
    const QString photo = args.size() > 1 ? args[1] : makeLargePhoto(folder.path());
    const QImageReader probe(photo);
    PhotoView preview(nullptr);
    preview.setFixedSize(400, 300);
    std::vector<double> scaled;
    std::vector<double> full;
    for (int run = 0; run < Runs; ++run) {
        preview.clearPicture();
        QElapsedTimer timer;
        timer.start();
        preview.showFile(photo);
        scaled.push_back(msSince(timer));

        timer.restart();
        QImageReader reader(photo);
        reader.setAutoTransform(true);
        const QImage whole = reader.read();
        full.push_back(msSince(timer));
        if (whole.isNull() || !preview.hasPicture()) {
            std::printf("the test photo could not be decoded\n");
            return 0;
        }
    }

    const double scaledMs = median(scaled);
    const double fullMs = median(full);
    std::printf("%d runs each, median; photo %dx%d, %.1f MB\n", Runs, probe.size().width(),
                probe.size().height(), static_cast<double>(QFileInfo(photo).size()) / 1e6);
    std::printf("%-44s %9.1f ms  (target < 500 ms)\n", "first window shown, whole process",
                median(wholeProcess));
    std::printf("%-44s %9.1f ms\n", "  of which inside the program", median(inProcess));
    std::printf("%-44s %9.1f ms  (target < 150 ms)\n", "preview of a 24 MP JPEG, scaled decode",
                scaledMs);
    std::printf("%-44s %9.1f ms\n", "the same JPEG, full decode", fullMs);
    std::printf("%-44s %9.1f x   (target >= 2 x)\n", "full / scaled", fullMs / scaledMs);

    const QString photos = fortyPhotos(folder.path());
    const QString largePhotos = fortyCopiesOf(photo, folder.path());
    for (const bool web : {false, true}) {
        const QString& album = web ? largePhotos : photos;
        const char* const gapName = web ? "longest event-loop gap, 40 web photos 24 MP"
                                        : "longest event-loop gap, 40 photos";
        const double standstill = longestStandstillMs(album, web);
        if (standstill < 0)
            std::printf("%-44s %9s     (the album was not made)\n", gapName, "-");
        else
            std::printf("%-44s %9.1f ms  (target <= 16 ms)\n", gapName, standstill);
        const char* const stopName =
            web ? "stop during web photos to all undone" : "stop pressed to all undone, 40 photos";
        const double stop = stopMs(album, web);
        if (stop < 0)
            std::printf("%-44s %9s     (the run did not stop)\n", stopName, "-");
        else
            std::printf("%-44s %9.1f ms  (target <= 500 ms)\n", stopName, stop);
    }

    const QStringList thousand = thousandPhotos(folder.path());
    std::vector<double> shown;
    std::vector<double> down;
    std::vector<double> dropped;
    for (int run = 0; run < Runs; ++run) {
        const ListTimes times = preparationOf(thousand);
        shown.push_back(times.shownMs);
        down.push_back(times.downMs);
        dropped.push_back(times.dropMs);
    }
    std::printf("%-44s %9.1f ms\n", "preparation window with 1,000 photos, shown", median(shown));
    std::printf("%-44s %9.1f ms\n", "  a photo moved down, 1,000 photos", median(down));
    std::printf("%-44s %9.1f ms\n", "  the first photo dropped last, 1,000 photos",
                median(dropped));
    return 0;
}
