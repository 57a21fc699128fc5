#include "wizard/GenerationWindow.h"

#include "generator/GenerateAlbum.h"
#include "generator/PageText.h"
#include "platform/FolderListing.h"
#include "ui_GenerationWindow.h"
#include "wizard/ColourBar.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/FittedLabel.h"
#include "wizard/GenerationWorker.h"
#include "wizard/PhotoView.h"
#include "wizard/TextBoxText.h"
#include "wizard/Wizard.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <algorithm>

namespace {

// How many progress captions generation shows: in copy mode one per copied
// photo, one per index row and one per photo page; in rename mode the photos
// are not copied; web photos add one each as they are made. A modern album
// tells of each photo as it is made, as it is written and as its page is.
int captionCount(const AlbumState& album) {
    return (album.keepSourceFolder ? 3 : 2) * album.photoCount() +
           (album.webPhotos ? album.photoCount() : 0);
}

// The names in a folder, hidden ones included: a stopped run that leaves those
// of the source folder as they were has changed nothing a user could find.
QStringList namesIn(const QString& folder) {
    QStringList names;
    for (const FolderEntry& entry : listFolderEntries(folder, true).value)
        names.append(entry.name);
    return names;
}

} // namespace

GenerationWindow::GenerationWindow(Wizard& wizard)
    : WizardWindow(wizard, tr(" Фотоальбом (Генерация)"), true),
      ui(std::make_unique<Ui::GenerationWindow>()) {
    ui->setupUi(this);
    // Headings grow with the desktop's font, which a size fixed in the form would not.
    useHeadingFont(ui->albumNameLabel, 4);
    useHeadingFont(ui->subtitle, 2);
    useHeadingFont(ui->listHeading, 1);
    useHeadingFont(ui->descriptionHeading, 1);
    ui->statusLabel->setMinimumHeight(4 * ui->statusLabel->fontMetrics().lineSpacing());
    // The background as "#RRGGBB"; the user may type it too.
    ui->colourEdit->setFixedWidth(
        ui->colourEdit->fontMetrics().horizontalAdvance(QStringLiteral("#WWWWWW")) + 16);
    ui->colourEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("#?[0-9A-Fa-f]{0,6}")), ui->colourEdit));
    // Shown only while the album is being written: «Прервать» stops it and undoes it all.
    ui->progressBar->hide();
    ui->stopButton->hide();
    wireHandlers();
    handle([this] { load(); });
}

GenerationWindow::~GenerationWindow() {
    // A window that goes with the program waits for its run to undo itself.
    if (worker_)
        worker_->stop();
    generationThread_.quit();
    generationThread_.wait();
}

void GenerationWindow::wireHandlers() {
    wire(ui->descriptionEdit, &QPlainTextEdit::textChanged, &GenerationWindow::onDescriptionEdited);
    for (ColourBar* bar : {ui->redBar, ui->greenBar, ui->blueBar})
        wire(bar, &QScrollBar::valueChanged, [this, bar] { onColourBarMoved(bar); });
    wire(ui->colourEdit, &QLineEdit::textEdited, &GenerationWindow::onColourTyped);
    // Whatever was left half typed gives way to the colour in force.
    wire(ui->colourEdit, &QLineEdit::editingFinished, &GenerationWindow::showBackground);
    wire(ui->createButton, &QPushButton::clicked, &GenerationWindow::onCreate);
    // The generator asks between its steps whether to stop.
    wire(ui->stopButton, &QPushButton::clicked, [this] {
        stopPressed_ = true;
        if (worker_)
            worker_->stop();
    });
    captionTimer_.setSingleShot(true);
    connect(&captionTimer_, &QTimer::timeout, this, [this] {
        if (worker_)
            worker_->goOn();
    });
}

void GenerationWindow::load() {
    const AlbumState& album = state();
    ui->albumNameLabel->setFullText(album.albumName);
    // An album of one photo shows an empty second place.
    ui->firstTitleLabel->setFullText(album.photos.value(0).title);
    ui->secondTitleLabel->setFullText(album.photos.value(1).title);
    // An empty file name leaves the new picture empty.
    ui->firstPreview->showFile(album.photos.value(0).file);
    ui->secondPreview->showFile(album.photos.value(1).file);
    ui->descriptionEdit->setPlainText(toBoxText(album.description));
    ui->redBar->setComponent(album.backgroundRed);
    ui->greenBar->setComponent(album.backgroundGreen);
    ui->blueBar->setComponent(album.backgroundBlue);
    showBackground();
    ui->statusLabel->setText(QString());
}

void GenerationWindow::onDescriptionEdited() {
    state().description = toAlbumText(ui->descriptionEdit->toPlainText());
}

void GenerationWindow::onColourBarMoved(ColourBar* bar) {
    AlbumState& album = state();
    // Only the moved bar is read; the other components come from the album.
    if (bar == ui->redBar)
        album.backgroundRed = bar->component();
    else if (bar == ui->greenBar)
        album.backgroundGreen = bar->component();
    else
        album.backgroundBlue = bar->component();
    showBackground();
}

void GenerationWindow::showBackground() {
    const AlbumState& album = state();
    QPalette colours = palette();
    colours.setColor(QPalette::Window,
                     QColor(album.backgroundRed, album.backgroundGreen, album.backgroundBlue));
    setPalette(colours);
    if (!typingColour_)
        ui->colourEdit->setText(
            colourString(album.backgroundRed, album.backgroundGreen, album.backgroundBlue));
}

void GenerationWindow::onColourTyped() {
    static const QRegularExpression complete(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = complete.match(ui->colourEdit->text());
    if (!match.hasMatch())
        return;
    const int rgb = match.captured(1).toInt(nullptr, 16);
    // Each bar takes its component as if it had been moved, so the album and
    // the window follow through the bars' own handler.
    const QScopedValueRollback typing(typingColour_, true);
    ui->redBar->setComponent((rgb >> 16) & 0xFF);
    ui->greenBar->setComponent((rgb >> 8) & 0xFF);
    ui->blueBar->setComponent(rgb & 0xFF);
}

void GenerationWindow::onCreate() {
    AlbumState& album = state();
    namesBefore_ = namesIn(album.sourceFolder);
    ui->progressBar->setRange(0, captionCount(album));
    ui->progressBar->setValue(0);
    ui->progressBar->setVisible(true);
    captionsShown_ = 0;
    stopPressed_ = false;
    // The keyboard stays in this window but on no control, so a second Enter
    // on «Создать» stops nothing; «Прервать» is one Shift+Tab away.
    setFocus();
    wizard().setBusy(true, ui->stopButton);
    ui->stopButton->setVisible(true);

    worker_ = new GenerationWorker(album, wizard().services());
    worker_->moveToThread(&generationThread_);
    connect(&generationThread_, &QThread::finished, worker_, &QObject::deleteLater);
    wire(worker_, &GenerationWorker::captionReady, &GenerationWindow::showCaption);
    wire(worker_, &GenerationWorker::done, &GenerationWindow::onGenerated);
    generationThread_.start();
    QMetaObject::invokeMethod(worker_, &GenerationWorker::run, Qt::QueuedConnection);
}

void GenerationWindow::showCaption(const QString& text, int pauseMs) {
    ui->statusLabel->setText(toBoxText(text));
    ui->progressBar->setValue(std::min(++captionsShown_, ui->progressBar->maximum()));
    captionTimer_.start(std::max(desktop().captionPause(pauseMs), 0));
}

void GenerationWindow::onGenerated(const Outcome& result) {
    captionTimer_.stop();
    worker_ = nullptr;
    generationThread_.quit();
    generationThread_.wait();
    ui->stopButton->setVisible(false);
    wizard().setBusy(false);
    ui->createButton->setFocus();
    if (!result.ok()) {
        // Nothing was lost; the user can set things right and press again. A
        // stop the user asked for is no failure once the run has put all back.
        Outcome shown = result;
        if (stopPressed_ && namesIn(state().sourceFolder) == namesBefore_)
            shown.message = tr("Создание альбома прервано. Ничего не изменено.");
        ui->statusLabel->setText(toBoxText(shown.message));
        tell(desktop(), shown);
        return;
    }
    showResult();
}

void GenerationWindow::showResult() {
    const AlbumState& album = state();
    const bool copyMode = album.keepSourceFolder;
    // The folder that holds the index page, in either mode.
    const QString& folder = album.albumFolder;
    const QString page = folder + indexPageName();
    ui->statusLabel->setText(tr("Ваш альбом в папке: \n") + folder +
                             tr("\nДля просмотра выберите файл start.htm"));
    ui->statusLabel->repaint();

    if (desktop().askYesNo(tr("Просматривать будем?"), tr("Генерация выполнена"),
                           MessageSink::Answer::No)) {
        if (!desktop().openAlbumPage(page))
            desktop().inform(tr("Не удалось запустить программу просмотра. Откройте "
                                "страницу сами: %1")
                                 .arg(page));
    } else {
        closeFromCode();
    }
    if (!copyMode) {
        desktop().inform(
            tr("Вы сделали исходную папку фотоальбомом. Работа программы заканчивается."));
        wizard().endProgram();
        return;
    }
    closeFromCode();
}
