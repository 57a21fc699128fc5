#include "wizard/PreparationWindow.h"

#include "steps/PhotoOrder.h"
#include "steps/ThumbnailLimit.h"
#include "steps/TitlesFromNames.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/PhotoView.h"
#include "wizard/TextBoxText.h"
#include "wizard/Wizard.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <limits>

PreparationWindow::PreparationWindow(Wizard& wizard)
    : WizardWindow(wizard, QStringLiteral(" Генератор фотоальбома (Подготовка)"), true) {
    build();
    handle([this] { load(); });
}

struct PreparationWindow::Decor {
    QLabel* title;
    QLabel* stepHeading;
    QLabel* listCaption;
    QLabel* placeCaption;
    QLabel* thumbnailCaption;
    QLabel* titleCaption;
    QLabel* commentCaption;
};

void PreparationWindow::build() {
    const Decor decor = createControls();
    nameControls(decor);
    layOut(decor);
    orderTabs();
    wireHandlers();
}

PreparationWindow::Decor PreparationWindow::createControls() {
    Decor decor;
    decor.title = makeHeading(this, QStringLiteral("Генератор фотоальбома"), 6);
    decor.stepHeading = makeHeading(this, QStringLiteral("Подготовь"), 2);
    decor.listCaption = makeLabel(this, QStringLiteral("Список фото в альбоме"));
    decor.placeCaption = makeLabel(this, QStringLiteral("Место в списке"));
    decor.thumbnailCaption = makeLabel(this, QStringLiteral("Миниатюра"));
    decor.titleCaption = makeLabel(this, QStringLiteral("Название фотографии"));
    decor.commentCaption = makeLabel(this, QStringLiteral("Краткий комментарий"));

    photoList = new QListWidget(this);
    photoList->setSelectionMode(QAbstractItemView::SingleSelection);
    photoList->setMinimumWidth(180);
    upButton = makeButton(this, QStringLiteral("Вв&ерх"));
    downButton = makeButton(this, QStringLiteral("Вни&з"));
    preview = new PhotoView(this, QSize(400, 300));
    thumbnailPreview = new PhotoView(this, QSize(160, 120));
    titleEdit = new QLineEdit(this);
    titleEdit->setMaxLength(std::numeric_limits<int>::max());
    commentEdit = new QPlainTextEdit(this);
    commentEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    commentEdit->setTabChangesFocus(true);
    commentEdit->setFixedHeight(90);
    selectionButton = makeButton(this, QStringLiteral("Вы&брать"));
    settingsButton = makeButton(this, QStringLiteral("&Настроить"));
    generateButton = makeButton(this, QStringLiteral("&Сгенерировать"));
    quitButton = makeButton(this, QStringLiteral("&Выйти"));
    return decor;
}

void PreparationWindow::nameControls(const Decor& decor) {
    setObjectNames({
        {this, "FormP"},
        {decor.title, "Label1"},
        {decor.stepHeading, "Label2"},
        {decor.listCaption, "Label7"},
        {decor.placeCaption, "Label6"},
        {decor.thumbnailCaption, "Label5"},
        {decor.titleCaption, "Label3"},
        {decor.commentCaption, "Label4"},
        {photoList, "List1"},
        {upButton, "Command5"},
        {downButton, "Command6"},
        {preview, "Image1"},
        {thumbnailPreview, "Image2"},
        {titleEdit, "Text1"},
        {commentEdit, "Text2"},
        {selectionButton, "Command1"},
        {settingsButton, "Command2"},
        {generateButton, "Command3"},
        {quitButton, "Command4"},
    });
    // Until a photo is selected the comment box shows its own name.
    commentEdit->setPlainText(commentEdit->objectName());

    // The captions above the boxes name them for screen readers; a list view
    // takes no name from its caption.
    photoList->setAccessibleName(QStringLiteral("Фотографии"));
    preview->setAccessibleName(tr("Фото"));
    thumbnailPreview->setAccessibleName(decor.thumbnailCaption->text());
    upButton->setAccessibleDescription(decor.placeCaption->text());
    downButton->setAccessibleDescription(decor.placeCaption->text());
    decor.listCaption->setBuddy(photoList);
    decor.titleCaption->setBuddy(titleEdit);
    decor.commentCaption->setBuddy(commentEdit);
}

void PreparationWindow::layOut(const Decor& decor) {
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(decor.listCaption);
    listColumn->addWidget(photoList, 1);
    listColumn->addWidget(decor.placeCaption);
    auto* order = new QHBoxLayout;
    order->addWidget(upButton);
    order->addWidget(downButton);
    listColumn->addLayout(order);

    auto* thumbColumn = new QVBoxLayout;
    thumbColumn->addWidget(decor.thumbnailCaption);
    thumbColumn->addWidget(thumbnailPreview);
    thumbColumn->addStretch(1);
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(preview);
    pictures->addLayout(thumbColumn);

    auto* photoColumn = new QVBoxLayout;
    photoColumn->addLayout(pictures);
    photoColumn->addWidget(decor.titleCaption);
    photoColumn->addWidget(titleEdit);
    photoColumn->addWidget(decor.commentCaption);
    photoColumn->addWidget(commentEdit);

    // On a small screen the list and the photo scroll; the buttons stay in sight.
    auto* workArea = new QWidget;
    auto* work = new QHBoxLayout(workArea);
    work->setContentsMargins(0, 0, 0, 0);
    work->addLayout(listColumn);
    work->addLayout(photoColumn, 1);
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->setWidget(workArea);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectionButton);
    buttons->addWidget(settingsButton);
    buttons->addStretch(1);
    buttons->addWidget(generateButton);
    buttons->addWidget(quitButton);

    auto* page = new QVBoxLayout(this);
    page->addWidget(decor.title);
    page->addWidget(decor.stepHeading);
    page->addWidget(scroller, 1);
    page->addLayout(buttons);
    resize(820, 620);
}

void PreparationWindow::orderTabs() {
    setTabChain({photoList, upButton, downButton, titleEdit, commentEdit, selectionButton,
                 settingsButton, generateButton, quitButton});
}

void PreparationWindow::wireHandlers() {
    // Selecting a line by code raises the same handler as a click.
    wire(photoList, &QListWidget::currentRowChanged, [this](int row) {
        if (row >= 0)
            onPhotoChosen();
    });
    wire(titleEdit, &QLineEdit::textChanged, &PreparationWindow::onTitleEdited);
    wire(commentEdit, &QPlainTextEdit::textChanged, &PreparationWindow::onCommentEdited);
    wire(upButton, &QPushButton::clicked, &PreparationWindow::onUp);
    wire(downButton, &QPushButton::clicked, &PreparationWindow::onDown);
    wire(selectionButton, &QPushButton::clicked, &PreparationWindow::onBackToSelection);
    wire(settingsButton, &QPushButton::clicked, &PreparationWindow::onBackToSettings);
    wire(generateButton, &QPushButton::clicked, &PreparationWindow::onGenerate);
    wire(quitButton, &QPushButton::clicked, [this] { wizard().endProgram(); });
}

void PreparationWindow::load() {
    AlbumState& album = state();
    if (isParseMode(album))
        tell(desktop(), loadTitlesFromNames(album));
    for (int k = 1; k <= album.photoCount(); ++k)
        photoList->addItem(ordinalWord(k));
    showPlaceFiles();
}

// Each place word tells by its tooltip which photo stands there now.
void PreparationWindow::showPlaceFiles() {
    const AlbumState& album = state();
    for (int row = 0; row < photoList->count(); ++row)
        photoList->item(row)->setToolTip(QFileInfo(album.photo(row + 1).file).fileName());
}

void PreparationWindow::focusFirstPhoto() {
    handle([this] {
        photoList->setFocus();
        photoList->setCurrentRow(0);
    });
}

int PreparationWindow::selectedPosition() const {
    return photoList->currentRow() + 1;
}

void PreparationWindow::onPhotoChosen() {
    const AlbumState& album = state();
    const int k = selectedPosition();
    // No line chosen shows an empty record.
    const Photo photo = album.photos.value(k - 1);
    preview->showFile(photo.file);
    titleEdit->setText(photo.title);
    commentEdit->setPlainText(toBoxText(photo.comment));
    if (album.thumbnails) {
        // Only the first twenty positions have thumbnails.
        if (k >= 1 && k <= MaxPhotosWithThumbnails)
            thumbnailPreview->showFile(photo.thumbnail);
        else
            thumbnailPreview->clearPicture();
    }
}

void PreparationWindow::onTitleEdited() {
    if (Photo* photo = selectedPhoto())
        photo->title = titleEdit->text();
}

void PreparationWindow::onCommentEdited() {
    if (Photo* photo = selectedPhoto())
        photo->comment = toAlbumText(commentEdit->toPlainText());
}

Photo* PreparationWindow::selectedPhoto() const {
    const int k = selectedPosition();
    return k >= 1 && k <= state().photoCount() ? &state().photo(k) : nullptr;
}

void PreparationWindow::onUp() {
    const int line = photoList->currentRow();
    const int target = movePhotoUp(state(), line);
    showPlaceFiles();
    if (target != line)
        photoList->setCurrentRow(target);
}

void PreparationWindow::onDown() {
    const int line = photoList->currentRow();
    const int target = movePhotoDown(state(), line);
    showPlaceFiles();
    if (target != line)
        photoList->setCurrentRow(target);
}

void PreparationWindow::onBackToSelection() {
    closeFromCode();
    wizard().showSelectionWindow();
}

void PreparationWindow::onBackToSettings() {
    closeFromCode();
    wizard().showSettingsWindow();
}

void PreparationWindow::onGenerate() {
    // The background colour is left as it is, so the generation window and the
    // album always show the same colour.
    if (const Outcome limit = checkThumbnailLimit(state()); !limit) {
        desktop().inform(limit.message);
        return;
    }
    wizard().showGenerationWindow();
}
