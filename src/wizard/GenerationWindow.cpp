#include "wizard/GenerationWindow.h"

#include "generator/GenerateAlbum.h"
#include "generator/PageText.h"
#include "platform/FolderListing.h"
#include "wizard/ColourBar.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/FittedLabel.h"
#include "wizard/GenerationWorker.h"
#include "wizard/PhotoView.h"
#include "wizard/TextBoxText.h"
#include "wizard/Wizard.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// How many progress captions generation shows: in copy mode one per copied
// photo, one per index row and one per photo page; in rename mode the photos
// are not copied; web photos add one each as they are made.
int captionCount(const AlbumState& album) {
    return (album.keepSourceFolder ? 3 : 2) * album.photoCount() +
           (album.webPhotos ? album.photoCount() : 0);
}

// The names in a folder, hidden ones included: a stopped run that leaves those
// of the source folder as they were has changed nothing a user could find.
QStringList namesIn(const QString& folder) {
    QStringList names;
    for (const FolderEntry& entry : listFolderEntries(folder, true).entries)
        names.append(entry.name);
    return names;
}

} // namespace

GenerationWindow::GenerationWindow(Wizard& wizard)
    : WizardWindow(wizard, QStringLiteral(" Фотоальбом (Генерация)"), true) {
    build();
    handle([this] { load(); });
}

GenerationWindow::~GenerationWindow() {
    // A window that goes with the program waits for its run to undo itself.
    if (worker_)
        worker_->stop();
    generationThread_.quit();
    generationThread_.wait();
}

struct GenerationWindow::Decor {
    QLabel* subtitle;
    QLabel* listHeading;
    QLabel* descriptionHeading;
    QLabel* barsCaption;
    QLabel* backgroundCaption;
    QFrame* overLikeness;
    QFrame* underLikeness;
    QFrame* leftOfList;
    QFrame* rightOfList;
    QFrame* betweenPhotos;
    QFrame* underSubtitle;
    QFrame* underDescription;
    QFrame* rightOfDescription;
};

void GenerationWindow::build() {
    const Decor decor = createControls();
    nameControls(decor);
    layOut(decor);
    orderTabs();
    wireHandlers();
}

GenerationWindow::Decor GenerationWindow::createControls() {
    Decor decor;
    albumNameLabel = new FittedLabel(this);
    useHeadingFont(albumNameLabel, 4);
    // A long album name wraps at its blanks and never widens the window.
    albumNameLabel->setWordWrap(true);
    decor.subtitle = makeHeading(this, QStringLiteral("Фотоальбом"), 2);
    decor.listHeading = makeHeading(this, QStringLiteral("Список"), 1);
    decor.descriptionHeading = makeHeading(this, QStringLiteral("Краткая справка"), 1);
    decor.barsCaption = makeLabel(this, QStringLiteral("Крас-Зел-Син"));
    decor.backgroundCaption = makeLabel(this, QStringLiteral("Выбери       фон"));
    // The titles keep to the width of the pictures under them.
    firstTitleLabel = new FittedLabel(this);
    secondTitleLabel = new FittedLabel(this);
    statusLabel = makeLabel(this, QString());
    statusLabel->setWordWrap(true);
    statusLabel->setMinimumHeight(4 * statusLabel->fontMetrics().lineSpacing());
    statusLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    progressBar = new QProgressBar(this);
    progressBar->setFormat(QStringLiteral("%v / %m"));
    progressBar->setFixedWidth(160);
    progressBar->setVisible(false);
    colourEdit = new QLineEdit(this);
    colourEdit->setMaxLength(7);
    colourEdit->setFixedWidth(
        colourEdit->fontMetrics().horizontalAdvance(QStringLiteral("#WWWWWW")) + 16);
    colourEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("#?[0-9A-Fa-f]{0,6}")), colourEdit));
    firstPreview = new PhotoView(this, QSize(160, 120));
    secondPreview = new PhotoView(this, QSize(160, 120));
    descriptionEdit =
        new QPlainTextEdit(QStringLiteral("Этот альбом показывает и рассказывает о ...\n"), this);
    descriptionEdit->setTabChangesFocus(true);
    redBar = new ColourBar(this);
    greenBar = new ColourBar(this);
    blueBar = new ColourBar(this);
    createButton = makeButton(this, QStringLiteral("&Создать"));
    stopButton = makeButton(this, QStringLiteral("&Прервать"));
    stopButton->setVisible(false);

    decor.overLikeness = makeLine(this, Qt::Horizontal);
    decor.underLikeness = makeLine(this, Qt::Horizontal);
    decor.leftOfList = makeLine(this, Qt::Vertical);
    decor.rightOfList = makeLine(this, Qt::Vertical);
    decor.betweenPhotos = makeLine(this, Qt::Horizontal);
    decor.underSubtitle = makeLine(this, Qt::Horizontal);
    decor.underDescription = makeLine(this, Qt::Horizontal);
    decor.rightOfDescription = makeLine(this, Qt::Vertical);

    setAutoFillBackground(true);
    return decor;
}

void GenerationWindow::nameControls(const Decor& decor) {
    setObjectNames({
        {this, "FormG"},
        {albumNameLabel, "Label1"},
        {decor.subtitle, "Label2"},
        {decor.listHeading, "Label3"},
        {decor.descriptionHeading, "Label6"},
        {decor.barsCaption, "Label8"},
        {decor.backgroundCaption, "Label9"},
        {firstTitleLabel, "Label4"},
        {secondTitleLabel, "Label5"},
        {statusLabel, "Label10"},
        {progressBar, "ProgressBar1"},
        {colourEdit, "TextColour"},
        {firstPreview, "Image1"},
        {secondPreview, "Image2"},
        {descriptionEdit, "Text1"},
        {redBar, "VScroll1"},
        {greenBar, "VScroll2"},
        {blueBar, "VScroll3"},
        {createButton, "Command1"},
        {stopButton, "stopButton"},
        {decor.overLikeness, "Line1"},
        {decor.underLikeness, "Line2"},
        {decor.leftOfList, "Line3"},
        {decor.rightOfList, "Line4"},
        {decor.betweenPhotos, "Line5"},
        {decor.underSubtitle, "Line6"},
        {decor.underDescription, "Line7"},
        {decor.rightOfDescription, "Line8"},
    });
    // Until the album fills them in, the album-name label and the status label
    // show their own names.
    albumNameLabel->setFullText(albumNameLabel->objectName());
    statusLabel->setText(statusLabel->objectName());

    decor.descriptionHeading->setBuddy(descriptionEdit);
    redBar->setAccessibleName(QStringLiteral("Красный"));
    greenBar->setAccessibleName(QStringLiteral("Зелёный"));
    blueBar->setAccessibleName(QStringLiteral("Синий"));
    for (ColourBar* bar : {redBar, greenBar, blueBar})
        bar->setAccessibleDescription(decor.backgroundCaption->text().simplified());
    colourEdit->setAccessibleName(QStringLiteral("Цвет"));
    progressBar->setAccessibleName(QStringLiteral("Ход генерации"));
    firstPreview->setAccessibleName(tr("Первое фото"));
    secondPreview->setAccessibleName(tr("Второе фото"));
}

void GenerationWindow::layOut(const Decor& decor) {
    // The likeness of the index page: a list column and a description column,
    // framed by lines as the page's table is.
    auto* list = new QVBoxLayout;
    list->addWidget(decor.listHeading);
    list->addWidget(firstTitleLabel);
    list->addWidget(firstPreview);
    list->addWidget(decor.betweenPhotos);
    list->addWidget(secondTitleLabel);
    list->addWidget(secondPreview);
    list->addStretch(1);
    auto* about = new QVBoxLayout;
    about->addWidget(albumNameLabel);
    about->addWidget(decor.subtitle);
    about->addWidget(decor.underSubtitle);
    about->addWidget(decor.descriptionHeading);
    about->addWidget(descriptionEdit, 1);
    about->addWidget(decor.underDescription);
    auto* likeness = new QGridLayout;
    likeness->addWidget(decor.overLikeness, 0, 0, 1, 5);
    likeness->addWidget(decor.leftOfList, 1, 0);
    likeness->addLayout(list, 1, 1);
    likeness->addWidget(decor.rightOfList, 1, 2);
    likeness->addLayout(about, 1, 3);
    likeness->addWidget(decor.rightOfDescription, 1, 4);
    likeness->addWidget(decor.underLikeness, 2, 0, 1, 5);
    likeness->setColumnStretch(3, 1);

    auto* bars = new QHBoxLayout;
    bars->addWidget(redBar);
    bars->addWidget(greenBar);
    bars->addWidget(blueBar);
    auto* colour = new QVBoxLayout;
    colour->addWidget(decor.backgroundCaption, 0, Qt::AlignHCenter);
    colour->addLayout(bars, 1);
    colour->addWidget(decor.barsCaption, 0, Qt::AlignHCenter);
    colour->addWidget(colourEdit, 0, Qt::AlignHCenter);

    auto* top = new QHBoxLayout;
    top->addLayout(likeness, 1);
    top->addSpacing(12);
    top->addLayout(colour);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(statusLabel, 1);
    bottom->addWidget(progressBar, 0, Qt::AlignBottom);
    bottom->addWidget(stopButton, 0, Qt::AlignBottom);
    bottom->addWidget(createButton, 0, Qt::AlignBottom);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top, 1);
    page->addLayout(bottom);
    resize(760, 560);
}

void GenerationWindow::orderTabs() {
    setTabChain({descriptionEdit, redBar, greenBar, blueBar, colourEdit, stopButton, createButton});
}

void GenerationWindow::wireHandlers() {
    wire(descriptionEdit, &QPlainTextEdit::textChanged, &GenerationWindow::onDescriptionEdited);
    for (ColourBar* bar : {redBar, greenBar, blueBar})
        wire(bar, &QScrollBar::valueChanged, [this, bar] { onColourBarMoved(bar); });
    wire(colourEdit, &QLineEdit::textEdited, &GenerationWindow::onColourTyped);
    // Whatever was left half typed gives way to the colour in force.
    wire(colourEdit, &QLineEdit::editingFinished, &GenerationWindow::showBackground);
    wire(createButton, &QPushButton::clicked, &GenerationWindow::onCreate);
    // The generator asks between its steps whether to stop.
    wire(stopButton, &QPushButton::clicked, [this] {
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
    albumNameLabel->setFullText(album.albumName);
    // An album of one photo shows an empty second place.
    firstTitleLabel->setFullText(album.photos.value(0).title);
    secondTitleLabel->setFullText(album.photos.value(1).title);
    // An empty file name leaves the new picture empty.
    firstPreview->showFile(album.photos.value(0).file);
    secondPreview->showFile(album.photos.value(1).file);
    descriptionEdit->setPlainText(toBoxText(album.description));
    redBar->setComponent(album.backgroundRed);
    greenBar->setComponent(album.backgroundGreen);
    blueBar->setComponent(album.backgroundBlue);
    showBackground();
    statusLabel->setText(QString());
}

void GenerationWindow::onDescriptionEdited() {
    state().description = toAlbumText(descriptionEdit->toPlainText());
}

void GenerationWindow::onColourBarMoved(ColourBar* bar) {
    AlbumState& album = state();
    // Only the moved bar is read; the other components come from the album.
    if (bar == redBar)
        album.backgroundRed = bar->component();
    else if (bar == greenBar)
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
        colourEdit->setText(
            colourString(album.backgroundRed, album.backgroundGreen, album.backgroundBlue));
}

void GenerationWindow::onColourTyped() {
    static const QRegularExpression complete(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));
    const QRegularExpressionMatch match = complete.match(colourEdit->text());
    if (!match.hasMatch())
        return;
    const int rgb = match.captured(1).toInt(nullptr, 16);
    // Each bar takes its component as if it had been moved, so the album and
    // the window follow through the bars' own handler.
    const QScopedValueRollback typing(typingColour_, true);
    redBar->setComponent((rgb >> 16) & 0xFF);
    greenBar->setComponent((rgb >> 8) & 0xFF);
    blueBar->setComponent(rgb & 0xFF);
}

void GenerationWindow::onCreate() {
    AlbumState& album = state();
    namesBefore_ = namesIn(album.sourceFolder);
    progressBar->setRange(0, captionCount(album));
    progressBar->setValue(0);
    progressBar->setVisible(true);
    captionsShown_ = 0;
    stopPressed_ = false;
    // The keyboard stays in this window but on no control, so a second Enter
    // on «Создать» stops nothing; «Прервать» is one Shift+Tab away.
    setFocus();
    wizard().setBusy(true, stopButton);
    stopButton->setVisible(true);

    worker_ = new GenerationWorker(album, wizard().programFolder(), realFileOps());
    worker_->moveToThread(&generationThread_);
    connect(&generationThread_, &QThread::finished, worker_, &QObject::deleteLater);
    wire(worker_, &GenerationWorker::captionReady, &GenerationWindow::showCaption);
    wire(worker_, &GenerationWorker::done, &GenerationWindow::onGenerated);
    generationThread_.start();
    QMetaObject::invokeMethod(worker_, &GenerationWorker::run, Qt::QueuedConnection);
}

void GenerationWindow::showCaption(const QString& text, int pauseMs) {
    statusLabel->setText(toBoxText(text));
    progressBar->setValue(std::min(++captionsShown_, progressBar->maximum()));
    captionTimer_.start(std::max(desktop().captionPause(pauseMs), 0));
}

void GenerationWindow::onGenerated(const Outcome& result) {
    captionTimer_.stop();
    worker_ = nullptr;
    generationThread_.quit();
    generationThread_.wait();
    stopButton->setVisible(false);
    wizard().setBusy(false);
    createButton->setFocus();
    if (!result.ok) {
        // Nothing was lost; the user can set things right and press again. A
        // stop the user asked for is no failure once the run has put all back.
        const QString message = stopPressed_ && namesIn(state().sourceFolder) == namesBefore_
                                    ? tr("Создание альбома прервано. Ничего не изменено.")
                                    : result.message;
        statusLabel->setText(toBoxText(message));
        desktop().inform(message);
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
    statusLabel->setText(QStringLiteral("Ваш альбом в папке: \n") + folder +
                         QStringLiteral("\nДля просмотра выберите файл start.htm"));
    statusLabel->repaint();

    if (desktop().askYesNo(QStringLiteral("Просматривать будем?"),
                           QStringLiteral("Генерация выполнена"), MessageSink::Answer::No)) {
        if (!desktop().openAlbumPage(page))
            desktop().inform(QStringLiteral("Не удалось запустить программу просмотра. Откройте "
                                            "страницу сами: %1")
                                 .arg(page));
    } else {
        closeFromCode();
    }
    if (!copyMode) {
        desktop().inform(QStringLiteral(
            "Вы сделали исходную папку фотоальбомом. Работа программы заканчивается."));
        wizard().endProgram();
        return;
    }
    closeFromCode();
}
