#include "wizard/PreparationWindow.h"

#include "steps/ThumbnailLimit.h"
#include "steps/TitlesFromNames.h"
#include "ui_PreparationWindow.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/PhotoListModel.h"
#include "wizard/PhotoView.h"
#include "wizard/TextBoxText.h"
#include "wizard/Wizard.h"

PreparationWindow::PreparationWindow(Wizard& wizard)
    : WizardWindow(wizard, tr(" Генератор фотоальбома (Подготовка)"), true),
      ui(std::make_unique<Ui::PreparationWindow>()) {
    ui->setupUi(this);
    // Headings grow with the desktop's font, which a size fixed in the form would not.
    useHeadingFont(ui->titleLabel, 6);
    useHeadingFont(ui->stepHeading, 2);
    photoModel_ = new PhotoListModel(state(), ui->photoList->iconSize(), this);
    ui->photoList->setModel(photoModel_);
    wireHandlers();
    handle([this] { load(); });
}

PreparationWindow::~PreparationWindow() = default;

void PreparationWindow::wireHandlers() {
    // Selecting a line by code raises the same handler as a click.
    wire(ui->photoList->selectionModel(), &QItemSelectionModel::currentRowChanged,
         [this](const QModelIndex& current, const QModelIndex&) {
             if (current.isValid())
                 onPhotoChosen();
         });
    // The selection has moved with the photo; its new place may change what shows.
    wire(photoModel_, &QAbstractItemModel::rowsMoved, [this] {
        ui->photoList->scrollTo(ui->photoList->currentIndex());
        onPhotoChosen();
    });
    wire(ui->titleEdit, &QLineEdit::textChanged, &PreparationWindow::onTitleEdited);
    wire(ui->commentEdit, &QPlainTextEdit::textChanged, &PreparationWindow::onCommentEdited);
    wire(ui->upButton, &QPushButton::clicked, &PreparationWindow::onUp);
    wire(ui->downButton, &QPushButton::clicked, &PreparationWindow::onDown);
    wire(ui->moveUpAction, &QAction::triggered, &PreparationWindow::onUp);
    wire(ui->moveDownAction, &QAction::triggered, &PreparationWindow::onDown);
    wire(ui->selectionButton, &QPushButton::clicked, &PreparationWindow::onBackToSelection);
    wire(ui->settingsButton, &QPushButton::clicked, &PreparationWindow::onBackToSettings);
    wire(ui->generateButton, &QPushButton::clicked, &PreparationWindow::onGenerate);
    wire(ui->quitButton, &QPushButton::clicked, [this] { wizard().endProgram(); });
}

void PreparationWindow::load() {
    AlbumState& album = state();
    if (isParseMode(album))
        tell(desktop(), loadTitlesFromNames(album));
}

void PreparationWindow::reload() {
    handle([this] {
        photoModel_->reload();
        load();
    });
}

void PreparationWindow::focusFirstPhoto() {
    handle([this] {
        ui->photoList->setFocus();
        ui->photoList->setCurrentIndex(photoModel_->index(0));
    });
}

int PreparationWindow::selectedLine() const {
    return ui->photoList->currentIndex().row();
}

void PreparationWindow::onPhotoChosen() {
    const AlbumState& album = state();
    const int k = selectedLine() + 1;
    // No line chosen shows an empty record.
    const Photo photo = album.photos.value(k - 1);
    ui->preview->showFile(photo.file);
    ui->titleEdit->setText(photo.title);
    ui->commentEdit->setPlainText(toBoxText(photo.comment));
    if (album.modernAlbum) {
        // A modern album makes every photo's thumbnail from the photo itself.
        ui->thumbnailPreview->showFile(photo.file);
    } else if (album.thumbnails) {
        // Only the first twenty positions have thumbnails.
        if (k >= 1 && k <= MaxPhotosWithThumbnails)
            ui->thumbnailPreview->showFile(photo.thumbnail);
        else
            ui->thumbnailPreview->clearPicture();
    }
}

void PreparationWindow::onTitleEdited() {
    if (Photo* photo = selectedPhoto()) {
        photo->title = ui->titleEdit->text();
        photoModel_->titleChanged(selectedLine());
    }
}

void PreparationWindow::onCommentEdited() {
    if (Photo* photo = selectedPhoto())
        photo->comment = toAlbumText(ui->commentEdit->toPlainText());
}

Photo* PreparationWindow::selectedPhoto() const {
    const int k = selectedLine() + 1;
    return k >= 1 && k <= state().photoCount() ? &state().photo(k) : nullptr;
}

// The current line moves with the photo.
void PreparationWindow::onUp() {
    photoModel_->moveUp(selectedLine());
}

void PreparationWindow::onDown() {
    photoModel_->moveDown(selectedLine());
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
        tell(desktop(), limit);
        return;
    }
    wizard().showGenerationWindow();
}
