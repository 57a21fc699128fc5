#include "wizard/GenerationWindow.h"

#include "generator/GenerateAlbum.h"
#include "generator/PageText.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/InputBlock.h"
#include "wizard/LabelProgress.h"
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
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QScrollBar* makeColourBar(QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setMinimum(0);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setMinimumHeight(200);
    // The arrow keys move a bar that has the focus.
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

// The bars run the other way round from the colour: the top is full intensity.
constexpr int mirrored(int value) {
    return 255 - value;
}

// How many progress captions generation shows: in copy mode one per copied
// photo, one per index row and one per photo page; in rename mode the photos
// are not copied; web photos add one each as they are made.
int captionCount(const AlbumState& album) {
    return (album.keepSourceFolder ? 3 : 2) * album.photoCount +
           (album.webPhotos ? album.photoCount : 0);
}

} // namespace

GenerationWindow::GenerationWindow(Wizard& wizard)
    : WizardWindow(wizard, QStringLiteral(" Фотоальбом (Генерация)"), true) {
    build();
    handle([this] { load(); });
}

void GenerationWindow::build() {
    albumNameLabel = makeHeading(this, QString(), 4);
    // A long album name wraps at its blanks and never widens the window.
    albumNameLabel->setWordWrap(true);
    QSizePolicy headingPolicy = albumNameLabel->sizePolicy();
    headingPolicy.setHorizontalPolicy(QSizePolicy::Ignored);
    albumNameLabel->setSizePolicy(headingPolicy);
    QLabel* subtitle = makeHeading(this, QStringLiteral("Фотоальбом"), 2);
    QLabel* listHeading = makeHeading(this, QStringLiteral("Список"), 1);
    QLabel* descriptionHeading = makeHeading(this, QStringLiteral("Краткая справка"), 1);
    QLabel* barsCaption = makeLabel(this, QStringLiteral("Крас-Зел-Син"));
    QLabel* backgroundCaption = makeLabel(this, QStringLiteral("Выбери       фон"));
    firstTitleLabel = makeLabel(this, QString());
    secondTitleLabel = makeLabel(this, QString());
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
    redBar = makeColourBar(this);
    greenBar = makeColourBar(this);
    blueBar = makeColourBar(this);
    createButton = makeButton(this, QStringLiteral("&Создать"));
    stopButton = makeButton(this, QStringLiteral("&Прервать"));
    stopButton->setVisible(false);

    QFrame* overLikeness = makeLine(this, Qt::Horizontal);
    QFrame* underLikeness = makeLine(this, Qt::Horizontal);
    QFrame* leftOfList = makeLine(this, Qt::Vertical);
    QFrame* rightOfList = makeLine(this, Qt::Vertical);
    QFrame* betweenPhotos = makeLine(this, Qt::Horizontal);
    QFrame* underSubtitle = makeLine(this, Qt::Horizontal);
    QFrame* underDescription = makeLine(this, Qt::Horizontal);
    QFrame* rightOfDescription = makeLine(this, Qt::Vertical);

    setObjectNames({
        {this, "FormG"},
        {albumNameLabel, "Label1"},
        {subtitle, "Label2"},
        {listHeading, "Label3"},
        {descriptionHeading, "Label6"},
        {barsCaption, "Label8"},
        {backgroundCaption, "Label9"},
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
        {overLikeness, "Line1"},
        {underLikeness, "Line2"},
        {leftOfList, "Line3"},
        {rightOfList, "Line4"},
        {betweenPhotos, "Line5"},
        {underSubtitle, "Line6"},
        {underDescription, "Line7"},
        {rightOfDescription, "Line8"},
    });
    // Until the album fills them in, the album-name label and the status label
    // show their own names.
    albumNameLabel->setText(albumNameLabel->objectName());
    statusLabel->setText(statusLabel->objectName());

    // The likeness of the index page: a list column and a description column,
    // framed by lines as the page's table is.
    auto* list = new QVBoxLayout;
    list->addWidget(listHeading);
    list->addWidget(firstTitleLabel);
    list->addWidget(firstPreview);
    list->addWidget(betweenPhotos);
    list->addWidget(secondTitleLabel);
    list->addWidget(secondPreview);
    list->addStretch(1);
    auto* about = new QVBoxLayout;
    about->addWidget(albumNameLabel);
    about->addWidget(subtitle);
    about->addWidget(underSubtitle);
    about->addWidget(descriptionHeading);
    about->addWidget(descriptionEdit, 1);
    about->addWidget(underDescription);
    auto* likeness = new QGridLayout;
    likeness->addWidget(overLikeness, 0, 0, 1, 5);
    likeness->addWidget(leftOfList, 1, 0);
    likeness->addLayout(list, 1, 1);
    likeness->addWidget(rightOfList, 1, 2);
    likeness->addLayout(about, 1, 3);
    likeness->addWidget(rightOfDescription, 1, 4);
    likeness->addWidget(underLikeness, 2, 0, 1, 5);
    likeness->setColumnStretch(3, 1);

    auto* bars = new QHBoxLayout;
    bars->addWidget(redBar);
    bars->addWidget(greenBar);
    bars->addWidget(blueBar);
    auto* colour = new QVBoxLayout;
    colour->addWidget(backgroundCaption, 0, Qt::AlignHCenter);
    colour->addLayout(bars, 1);
    colour->addWidget(barsCaption, 0, Qt::AlignHCenter);
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
    setAutoFillBackground(true);

    descriptionHeading->setBuddy(descriptionEdit);
    redBar->setAccessibleName(QStringLiteral("Красный"));
    greenBar->setAccessibleName(QStringLiteral("Зелёный"));
    blueBar->setAccessibleName(QStringLiteral("Синий"));
    colourEdit->setAccessibleName(QStringLiteral("Цвет"));
    progressBar->setAccessibleName(QStringLiteral("Ход генерации"));

    setTabChain({descriptionEdit, redBar, greenBar, blueBar, colourEdit, stopButton, createButton});

    connect(descriptionEdit, &QPlainTextEdit::textChanged, this,
            [this] { handle([this] { onDescriptionEdited(); }); });
    for (QScrollBar* bar : {redBar, greenBar, blueBar}) {
        connect(bar, &QScrollBar::valueChanged, this,
                [this, bar] { handle([this, bar] { onColourBarMoved(bar); }); });
    }
    connect(colourEdit, &QLineEdit::textEdited, this,
            [this] { handle([this] { onColourTyped(); }); });
    // Whatever was left half typed gives way to the colour in force.
    connect(colourEdit, &QLineEdit::editingFinished, this,
            [this] { handle([this] { showBackground(); }); });
    connect(createButton, &QPushButton::clicked, this, [this] { handle([this] { onCreate(); }); });
    // The generator asks between its steps whether to stop.
    connect(stopButton, &QPushButton::clicked, this, [this] { stopPressed_ = true; });
}

void GenerationWindow::load() {
    const AlbumState& album = state();
    albumNameLabel->setText(album.albumName);
    firstTitleLabel->setText(album.titles[1]);
    secondTitleLabel->setText(album.titles[2]);
    // An empty file name leaves the new picture empty.
    firstPreview->showFile(album.photoFiles[1]);
    secondPreview->showFile(album.photoFiles[2]);
    descriptionEdit->setPlainText(toBoxText(album.description));
    for (QScrollBar* bar : {redBar, greenBar, blueBar})
        bar->setMaximum(255);
    redBar->setValue(mirrored(album.backgroundRed));
    greenBar->setValue(mirrored(album.backgroundGreen));
    blueBar->setValue(mirrored(album.backgroundBlue));
    showBackground();
    statusLabel->setText(QString());
}

void GenerationWindow::onDescriptionEdited() {
    state().description = toAlbumText(descriptionEdit->toPlainText());
}

void GenerationWindow::onColourBarMoved(QScrollBar* bar) {
    AlbumState& album = state();
    // Only the moved bar is read; the other components come from the album.
    if (bar == redBar)
        album.backgroundRed = mirrored(bar->value());
    else if (bar == greenBar)
        album.backgroundGreen = mirrored(bar->value());
    else
        album.backgroundBlue = mirrored(bar->value());
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
    redBar->setValue(mirrored((rgb >> 16) & 0xFF));
    greenBar->setValue(mirrored((rgb >> 8) & 0xFF));
    blueBar->setValue(mirrored(rgb & 0xFF));
}

void GenerationWindow::onCreate() {
    // A press that reaches here while the album is being written is ignored.
    if (wizard().busy())
        return;
    AlbumState& album = state();
    Outcome result;
    {
        const InputBlock busy(wizard(), stopButton);
        progressBar->setRange(0, captionCount(album));
        progressBar->setValue(0);
        progressBar->setVisible(true);
        stopPressed_ = false;
        stopButton->setVisible(true);
        stopButton->setFocus();
        LabelProgress progress(*statusLabel, *progressBar, desktop());
        GenerationContext context;
        context.programFolder = wizard().programFolder();
        context.progress = &progress;
        context.stopRequested = [this] { return stopPressed_; };
        result = generateAlbum(album, context, realFileOps());
        stopButton->setVisible(false);
        createButton->setFocus();
    }
    if (!result.ok) {
        // Nothing was lost; the user can set things right and press again.
        statusLabel->setText(toBoxText(result.message));
        desktop().inform(result.message);
        return;
    }
    showResult();
}

void GenerationWindow::showResult() {
    const AlbumState& album = state();
    const bool copyMode = album.keepSourceFolder;
    // The folder that holds "start.htm", in either mode.
    const QString& folder = album.albumFolder;
    const QString page = folder + QStringLiteral("start.htm");
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
