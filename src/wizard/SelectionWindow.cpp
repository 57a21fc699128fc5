#include "wizard/SelectionWindow.h"

#include "platform/FsPath.h"
#include "steps/ConfigureAlbum.h"
#include "steps/FolderChange.h"
#include "steps/PhotoChoice.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/DriveList.h"
#include "wizard/FileList.h"
#include "wizard/FolderList.h"
#include "wizard/PhotoView.h"
#include "wizard/Wizard.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QVBoxLayout>
#include <limits>

SelectionWindow::SelectionWindow(Wizard& wizard)
    : WizardWindow(wizard, QStringLiteral(" Генератор фотоальбома (Выбор)"), false) {
    build();
    handle([this] { load(); });
}

struct SelectionWindow::Decor {
    QLabel* title;
    QLabel* stepHeading;
    QLabel* instructions;
    QLabel* folderCaption;
    QLabel* nameHint;
    QFrame* underTitle;
    QFrame* underInstructions;
    QFrame* besideFolders;
    QFrame* besideFiles;
    QFrame* overFolderRow;
    QFrame* overNameRow;
    QFrame* overButtons;
    QFrame* beforeAbout;
    QFrame* underButtons;
};

void SelectionWindow::build() {
    const Decor decor = createControls();
    nameControls(decor);
    layOut(decor);
    orderTabs();
    wireHandlers();
}

SelectionWindow::Decor SelectionWindow::createControls() {
    Decor decor;
    decor.title = makeHeading(this, QStringLiteral("Генератор Фотоальбома"), 6);
    decor.stepHeading = makeHeading(this, QStringLiteral("Выбери"), 2);
    decor.instructions =
        makeLabel(this, QStringLiteral("Выбери папку с фотографиями, которые ты хочешь поместить в "
                                       "свой альбом и дай ему (альбому) название."));
    decor.instructions->setWordWrap(true);
    decor.folderCaption = makeLabel(this, QStringLiteral("Альбом будет тут"));
    decor.nameHint = makeLabel(this, QStringLiteral(" < Введи название"));

    driveList = new DriveList(this);
    folderEdit = new QLineEdit(QStringLiteral("Папка пока не выбрана"), this);
    // Only shows the chosen folder; the folder list is where it is chosen. It
    // looks as read-only as it is, and stays a tab stop to read the path by.
    folderEdit->setReadOnly(true);
    QPalette readOnly = folderEdit->palette();
    readOnly.setColor(QPalette::Base, readOnly.color(QPalette::Window));
    folderEdit->setPalette(readOnly);
    folderList = new FolderList(this);
    fileList = new FileList(this);
    albumNameEdit = new QLineEdit(defaultTypedAlbumName(), this);
    albumNameEdit->setMaxLength(std::numeric_limits<int>::max());
    preview = new PhotoView(this, QSize(320, 240));

    configureButton = makeButton(this, QStringLiteral("&Настроить"));
    prepareButton = makeButton(this, QStringLiteral("&Подготовить"));
    generateButton = makeButton(this, QStringLiteral("&Сгенерировать"));
    quitButton = makeButton(this, QStringLiteral("&Выйти"));
    aboutButton = makeButton(this, QStringLiteral("&О программе"));

    decor.underTitle = makeLine(this, Qt::Horizontal);
    decor.underInstructions = makeLine(this, Qt::Horizontal);
    decor.besideFolders = makeLine(this, Qt::Vertical);
    decor.besideFiles = makeLine(this, Qt::Vertical);
    decor.overFolderRow = makeLine(this, Qt::Horizontal);
    decor.overNameRow = makeLine(this, Qt::Horizontal);
    decor.overButtons = makeLine(this, Qt::Horizontal);
    decor.beforeAbout = makeLine(this, Qt::Vertical);
    decor.underButtons = makeLine(this, Qt::Horizontal);
    return decor;
}

void SelectionWindow::nameControls(const Decor& decor) {
    setObjectNames({
        {this, "FormV"},
        {decor.title, "Label1"},
        {decor.stepHeading, "Label6"},
        {decor.instructions, "Label5"},
        {decor.folderCaption, "Label4"},
        {decor.nameHint, "Label3"},
        {driveList, "Drive1"},
        {folderEdit, "Text1"},
        {folderList, "Dir1"},
        {fileList, "File1"},
        {albumNameEdit, "Text2"},
        {preview, "Image1"},
        {configureButton, "Command2"},
        {prepareButton, "Command3"},
        {generateButton, "Command4"},
        {quitButton, "Command5"},
        {aboutButton, "Command1"},
        {decor.underTitle, "Line1"},
        {decor.underInstructions, "Line2"},
        {decor.besideFolders, "Line3"},
        {decor.besideFiles, "Line4"},
        {decor.overFolderRow, "Line5"},
        {decor.overNameRow, "Line6"},
        {decor.overButtons, "Line7"},
        {decor.beforeAbout, "Line8"},
        {decor.underButtons, "Line9"},
    });

    // Controls whose label does not name them get a short name of their own.
    driveList->setAccessibleName(QStringLiteral("Диск"));
    folderList->setAccessibleName(QStringLiteral("Папки"));
    fileList->setAccessibleName(QStringLiteral("Файлы"));
    decor.folderCaption->setBuddy(folderEdit);
    albumNameEdit->setAccessibleName(QStringLiteral("Название альбома"));
    preview->setAccessibleName(tr("Просмотр фото"));
    // The notes beside the controls are heard with them.
    folderList->setAccessibleDescription(decor.instructions->text());
    albumNameEdit->setAccessibleDescription(decor.nameHint->text().remove(u'<').trimmed());
}

void SelectionWindow::layOut(const Decor& decor) {
    auto* browser = new QGridLayout;
    browser->addWidget(driveList, 0, 0);
    browser->addWidget(folderList, 1, 0);
    browser->addWidget(decor.besideFolders, 0, 1, 2, 1);
    browser->addWidget(fileList, 0, 2, 2, 1);
    browser->addWidget(decor.besideFiles, 0, 3, 2, 1);
    browser->addWidget(preview, 0, 4, 2, 1, Qt::AlignTop);
    browser->setColumnStretch(0, 1);
    browser->setColumnStretch(2, 1);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(decor.folderCaption);
    folderRow->addWidget(folderEdit, 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(albumNameEdit, 1);
    nameRow->addWidget(decor.nameHint, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(configureButton);
    buttons->addWidget(prepareButton);
    buttons->addWidget(generateButton);
    buttons->addStretch(1);
    buttons->addWidget(decor.beforeAbout);
    buttons->addWidget(aboutButton);
    buttons->addWidget(quitButton);

    auto* page = new QVBoxLayout(this);
    page->addWidget(decor.title);
    page->addWidget(decor.underTitle);
    page->addWidget(decor.stepHeading);
    page->addWidget(decor.instructions);
    page->addWidget(decor.underInstructions);
    page->addLayout(browser, 1);
    page->addWidget(decor.overFolderRow);
    page->addLayout(folderRow);
    page->addWidget(decor.overNameRow);
    page->addLayout(nameRow);
    page->addWidget(decor.overButtons);
    page->addLayout(buttons);
    page->addWidget(decor.underButtons);
    resize(860, 600);
}

void SelectionWindow::orderTabs() {
    // Tab follows the window from top to bottom, left to right.
    setTabChain({driveList, folderList, fileList, folderEdit, albumNameEdit, configureButton,
                 prepareButton, generateButton, aboutButton, quitButton});
    // Arrow keys walk the folders at once, and Enter opens one.
    folderList->setFocus();
}

void SelectionWindow::wireHandlers() {
    wire(driveList, &QComboBox::currentIndexChanged, &SelectionWindow::onDriveChosen);
    wire(folderList, &FolderList::pathChanged, &SelectionWindow::onFolderChanged);
    wire(folderList, &FolderList::folderChosen, &SelectionWindow::onFolderChosen);
    wire(fileList, &QListWidget::currentRowChanged, [this](int row) {
        if (row >= 0)
            onFileChosen();
    });
    wire(albumNameEdit, &QLineEdit::textChanged,
         [this](const QString& text) { state().typedAlbumName = text; });
    wire(configureButton, &QPushButton::clicked, &SelectionWindow::onConfigure);
    // Enter after the name goes on as «Настроить» does.
    wire(albumNameEdit, &QLineEdit::returnPressed, &SelectionWindow::onConfigure);
    wire(prepareButton, &QPushButton::clicked, &SelectionWindow::onPrepare);
    wire(generateButton, &QPushButton::clicked, &SelectionWindow::onGenerate);
    wire(aboutButton, &QPushButton::clicked, [this] { wizard().showAboutBox(); });
    wire(quitButton, &QPushButton::clicked, [this] { wizard().endProgram(); });
}

void SelectionWindow::load() {
    const QString start = wizard().startFolder();
    applyStartupDefaults(state(), start);
    state().typedAlbumName = albumNameEdit->text();
    shownFolder_ = start;
    fileList->showFolder(start, false);
    folderList->restorePath(start);
    driveList->showDriveOf(start);
    // The start folder counts as chosen, just as a folder the user moves to.
    if (changeFolder(state(), start).ok)
        folderEdit->setText(state().sourceFolder);
}

void SelectionWindow::onDriveChosen() {
    const QString root = driveList->selectedRoot();
    const QStorageInfo volume(root);
    if (!volume.isValid() || !volume.isReady()) {
        driveList->showDriveOf(shownFolder_);
        desktop().inform(QStringLiteral("Диск «%1» не готов. Осталась прежняя папка: %2")
                             .arg(root, shownFolder_));
        return;
    }
    if (const Outcome moved = folderList->setPath(root); !moved) {
        desktop().inform(moved.message);
        driveList->showDriveOf(shownFolder_);
    }
}

void SelectionWindow::onFolderChosen(const QString& path) {
    if (const Outcome moved = folderList->setPath(path); !moved)
        desktop().inform(moved.message);
}

void SelectionWindow::onFolderChanged(const QString& path) {
    const Outcome changed = changeFolder(state(), path);
    if (!changed.ok) {
        folderList->restorePath(shownFolder_);
        driveList->showDriveOf(shownFolder_);
        desktop().inform(changed.message);
        return;
    }
    folderLock_.release();
    shownFolder_ = path;
    fileList->showFolder(path, true);
    folderEdit->setText(state().sourceFolder);
    driveList->showDriveOf(path);
}

void SelectionWindow::onFileChosen() {
    AlbumState& album = state();
    album.sourceFolder = withTrailingSeparator(album.sourceFolder);
    folderEdit->setText(album.sourceFolder);
    const QString path = album.sourceFolder + fileList->selectedName();
    if (path.right(3).toUpper() == QLatin1String("JPG"))
        preview->showFile(path);
}

void SelectionWindow::onConfigure() {
    Result<FolderLock> lock = FolderLock::acquire(state().sourceFolder);
    if (!lock) {
        desktop().inform(lock.message);
        return;
    }
    const Outcome configured =
        configureAlbum(state(), albumNameEdit->text(), desktop(), realFileOps());
    tell(desktop(), configured);
    if (configured.declined) {
        // The user goes back to think of a better name.
        albumNameEdit->setFocus();
        albumNameEdit->selectAll();
    }
    if (!configured)
        return;
    folderLock_ = lock.value;
    // Recovering an interrupted run may have given the folder its name back.
    folderEdit->setText(state().sourceFolder);
    hide();
    wizard().showSettingsWindow();
}

void SelectionWindow::onPrepare() {
    if (state().folderPhotoCount == 0)
        desktop().inform(noPhotosMessage());
    else
        desktop().inform(
            QStringLiteral("Проверьте, пожалуйста настройки, выбрав кнопку: Настроить."));
}

void SelectionWindow::onGenerate() {
    desktop().inform(QStringLiteral("Нужно альбом настроить и подготовить"));
}

void SelectionWindow::onUserClose() {
    wizard().endProgram();
}
