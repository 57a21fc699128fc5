#include "wizard/SelectionWindow.h"

#include "platform/FsPath.h"
#include "steps/ConfigureAlbum.h"
#include "steps/FolderChange.h"
#include "steps/PhotoChoice.h"
#include "ui_SelectionWindow.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/DriveList.h"
#include "wizard/FileList.h"
#include "wizard/FolderList.h"
#include "wizard/PhotoView.h"
#include "wizard/Wizard.h"

#include <QStorageInfo>

SelectionWindow::SelectionWindow(Wizard& wizard)
    : WizardWindow(wizard, tr(" Генератор фотоальбома (Выбор)"), false),
      ui(std::make_unique<Ui::SelectionWindow>()) {
    ui->setupUi(this);
    // Headings grow with the desktop's font, which a size fixed in the form would not.
    useHeadingFont(ui->titleLabel, 6);
    useHeadingFont(ui->stepHeading, 2);
    // Only shows the chosen folder; the folder list is where it is chosen. It
    // looks as read-only as it is, and stays a tab stop to read the path by.
    QPalette readOnly = ui->folderEdit->palette();
    readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
    ui->folderEdit->setPalette(readOnly);
    // The default name is the one «Настроить» questions.
    ui->albumNameEdit->setText(defaultTypedAlbumName());
    // Arrow keys walk the folders at once, and Enter opens one.
    ui->folderList->setFocus();
    wireHandlers();
    handle([this] { load(); });
}

SelectionWindow::~SelectionWindow() = default;

void SelectionWindow::wireHandlers() {
    wire(ui->driveList, &QComboBox::currentIndexChanged, &SelectionWindow::onDriveChosen);
    wire(ui->folderList, &FolderList::pathChanged, &SelectionWindow::onFolderChanged);
    wire(ui->folderList, &FolderList::folderChosen, &SelectionWindow::onFolderChosen);
    wire(ui->fileList, &QListWidget::currentRowChanged, [this](int row) {
        if (row >= 0)
            onFileChosen();
    });
    wire(ui->albumNameEdit, &QLineEdit::textChanged,
         [this](const QString& text) { state().typedAlbumName = text; });
    wire(ui->configureButton, &QPushButton::clicked, &SelectionWindow::onConfigure);
    // Enter after the name goes on as «Настроить» does.
    wire(ui->albumNameEdit, &QLineEdit::returnPressed, &SelectionWindow::onConfigure);
    wire(ui->prepareButton, &QPushButton::clicked, &SelectionWindow::onPrepare);
    wire(ui->generateButton, &QPushButton::clicked, &SelectionWindow::onGenerate);
    wire(ui->aboutButton, &QPushButton::clicked, [this] { wizard().showAboutBox(); });
    wire(ui->quitButton, &QPushButton::clicked, [this] { wizard().endProgram(); });
}

void SelectionWindow::load() {
    const QString start = wizard().startFolder();
    applyStartupDefaults(state(), start);
    state().typedAlbumName = ui->albumNameEdit->text();
    shownFolder_ = start;
    ui->fileList->showFolder(start, false);
    ui->folderList->restorePath(start);
    ui->driveList->showDriveOf(start);
    // The start folder counts as chosen, just as a folder the user moves to.
    if (changeFolder(state(), start).ok())
        ui->folderEdit->setText(state().sourceFolder);
}

void SelectionWindow::onDriveChosen() {
    const QString root = ui->driveList->selectedRoot();
    const QStorageInfo volume(root);
    if (!volume.isValid() || !volume.isReady()) {
        ui->driveList->showDriveOf(shownFolder_);
        desktop().inform(
            tr("Диск «%1» не готов. Осталась прежняя папка: %2").arg(root, shownFolder_));
        return;
    }
    if (const Outcome moved = ui->folderList->setPath(root); !moved) {
        tell(desktop(), moved);
        ui->driveList->showDriveOf(shownFolder_);
    }
}

void SelectionWindow::onFolderChosen(const QString& path) {
    if (const Outcome moved = ui->folderList->setPath(path); !moved)
        tell(desktop(), moved);
}

void SelectionWindow::onFolderChanged(const QString& path) {
    const Outcome changed = changeFolder(state(), path);
    if (!changed.ok()) {
        ui->folderList->restorePath(shownFolder_);
        ui->driveList->showDriveOf(shownFolder_);
        tell(desktop(), changed);
        return;
    }
    folderLock_.release();
    shownFolder_ = path;
    ui->fileList->showFolder(path, true);
    ui->folderEdit->setText(state().sourceFolder);
    ui->driveList->showDriveOf(path);
}

void SelectionWindow::onFileChosen() {
    AlbumState& album = state();
    album.sourceFolder = withTrailingSeparator(album.sourceFolder);
    ui->folderEdit->setText(album.sourceFolder);
    const QString path = album.sourceFolder + ui->fileList->selectedName();
    if (path.right(3).toUpper() == QLatin1String("JPG"))
        ui->preview->showFile(path);
}

void SelectionWindow::onConfigure() {
    Result<FolderLock> lock = wizard().services().locks.acquire(state().sourceFolder);
    if (!lock) {
        tell(desktop(), lock);
        return;
    }
    const Outcome configured =
        configureAlbum(state(), ui->albumNameEdit->text(), desktop(), wizard().services().files);
    tell(desktop(), configured);
    if (configured.declined()) {
        // The user goes back to think of a better name.
        ui->albumNameEdit->setFocus();
        ui->albumNameEdit->selectAll();
    }
    if (!configured)
        return;
    folderLock_ = lock.value;
    // Recovering an interrupted run may have given the folder its name back.
    ui->folderEdit->setText(state().sourceFolder);
    hide();
    wizard().showSettingsWindow();
}

void SelectionWindow::onPrepare() {
    if (state().folderPhotoCount == 0)
        desktop().inform(noPhotosMessage());
    else
        desktop().inform(tr("Проверьте, пожалуйста настройки, выбрав кнопку: Настроить."));
}

void SelectionWindow::onGenerate() {
    desktop().inform(tr("Нужно альбом настроить и подготовить"));
}

void SelectionWindow::onUserClose() {
    wizard().endProgram();
}
