#include "wizard/FormV.h"

#include "platform/FsPath.h"
#include "steps/ConfigureAlbum.h"
#include "steps/FolderChange.h"
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

FormV::FormV(Wizard& wizard)
    : WizardWindow(wizard, "FormV", QStringLiteral(" Генератор фотоальбома (Выбор)"), false) {
    build();
    handle([this] { load(); });
}

QString FormV::typedAlbumName() const {
    return Text2->text();
}

void FormV::build() {
    QLabel* label1 = makeHeading(this, "Label1", QStringLiteral("Генератор Фотоальбома"), 6);
    QLabel* label6 = makeHeading(this, "Label6", QStringLiteral("Выбери"), 2);
    QLabel* label5 =
        makeLabel(this, "Label5",
                  QStringLiteral("Выбери папку с фотографиями, которые ты хочешь поместить в свой "
                                 "альбом и дай ему (альбому) название."));
    label5->setWordWrap(true);
    QLabel* label4 = makeLabel(this, "Label4", QStringLiteral("Альбом будет тут"));
    QLabel* label3 = makeLabel(this, "Label3", QStringLiteral(" < Введи название"));

    Drive1 = new DriveList(this, "Drive1");
    Text1 = new QLineEdit(QStringLiteral("Папка пока не выбрана"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Dir1 = new FolderList(this, "Dir1");
    File1 = new FileList(this, "File1");
    Text2 = new QLineEdit(defaultTypedAlbumName(), this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMaxLength(std::numeric_limits<int>::max());
    Image1 = new PhotoView(this, "Image1", QSize(320, 240));

    Command2 = makeButton(this, "Command2", QStringLiteral("Настроить"));
    Command3 = makeButton(this, "Command3", QStringLiteral("Подготовить"));
    Command4 = makeButton(this, "Command4", QStringLiteral("Сгенерировать"));
    Command5 = makeButton(this, "Command5", QStringLiteral("Выйти"));
    Command1 = makeButton(this, "Command1", QStringLiteral("О программе"));

    auto* browser = new QGridLayout;
    browser->addWidget(Drive1, 0, 0);
    browser->addWidget(Dir1, 1, 0);
    browser->addWidget(makeLine(this, "Line3", Qt::Vertical), 0, 1, 2, 1);
    browser->addWidget(File1, 0, 2, 2, 1);
    browser->addWidget(makeLine(this, "Line4", Qt::Vertical), 0, 3, 2, 1);
    browser->addWidget(Image1, 0, 4, 2, 1, Qt::AlignTop);
    browser->setColumnStretch(0, 1);
    browser->setColumnStretch(2, 1);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(label4);
    folderRow->addWidget(Text1, 1);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(Text2, 1);
    nameRow->addWidget(label3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    buttons->addWidget(Command4);
    buttons->addStretch(1);
    buttons->addWidget(makeLine(this, "Line8", Qt::Vertical));
    buttons->addWidget(Command1);
    buttons->addWidget(Command5);

    auto* page = new QVBoxLayout(this);
    page->addWidget(label1);
    page->addWidget(makeLine(this, "Line1", Qt::Horizontal));
    page->addWidget(label6);
    page->addWidget(label5);
    page->addWidget(makeLine(this, "Line2", Qt::Horizontal));
    page->addLayout(browser, 1);
    page->addWidget(makeLine(this, "Line5", Qt::Horizontal));
    page->addLayout(folderRow);
    page->addWidget(makeLine(this, "Line6", Qt::Horizontal));
    page->addLayout(nameRow);
    page->addWidget(makeLine(this, "Line7", Qt::Horizontal));
    page->addLayout(buttons);
    page->addWidget(makeLine(this, "Line9", Qt::Horizontal));
    resize(860, 600);

    setTabOrder(Drive1, Text1);
    setTabOrder(Text1, Dir1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, Text2);
    setTabOrder(Text2, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command5);
    setTabOrder(Command5, Command1);
    Drive1->setFocus();

    connect(Drive1, &QComboBox::currentIndexChanged, this,
            [this] { handle([this] { onDrive1Change(); }); });
    connect(Dir1, &FolderList::pathChanged, this,
            [this](const QString& path) { handle([this, &path] { onDir1Change(path); }); });
    connect(Dir1, &FolderList::listingFailed, this, [this](const QString& reason) {
        handle([this, &reason] { desktop().inform(reason); });
    });
    connect(File1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            handle([this] { onFile1Click(); });
    });
    connect(Command2, &QPushButton::clicked, this,
            [this] { handle([this] { onCommand2Click(); }); });
    connect(Command3, &QPushButton::clicked, this,
            [this] { handle([this] { onCommand3Click(); }); });
    connect(Command4, &QPushButton::clicked, this,
            [this] { handle([this] { onCommand4Click(); }); });
    connect(Command1, &QPushButton::clicked, this,
            [this] { handle([this] { wizard().showAbout(); }); });
    connect(Command5, &QPushButton::clicked, this,
            [this] { handle([this] { wizard().endProgram(); }); });
}

void FormV::load() {
    const QString start = wizard().startFolder();
    applyStartupDefaults(state(), start);
    shownFolder_ = start;
    File1->showFolder(start, false);
    Dir1->restorePath(start);
    Drive1->showDriveOf(start);
}

void FormV::onDrive1Change() {
    const QString root = Drive1->selectedRoot();
    const QStorageInfo volume(root);
    if (!volume.isValid() || !volume.isReady()) {
        Drive1->showDriveOf(shownFolder_);
        desktop().inform(QStringLiteral("Диск «%1» не готов. Осталась прежняя папка: %2")
                             .arg(root, shownFolder_));
        return;
    }
    if (!Dir1->setPath(root))
        Drive1->showDriveOf(shownFolder_);
}

void FormV::onDir1Change(const QString& path) {
    const Outcome changed = changeFolder(state(), path);
    if (!changed.ok) {
        Dir1->restorePath(shownFolder_);
        Drive1->showDriveOf(shownFolder_);
        desktop().inform(changed.message);
        return;
    }
    shownFolder_ = path;
    File1->showFolder(path, true);
    Text1->setText(state().sourceFolder);
    Drive1->showDriveOf(path);
}

void FormV::onFile1Click() {
    AlbumState& album = state();
    album.sourceFolder = withTrailingSeparator(album.sourceFolder);
    Text1->setText(album.sourceFolder);
    const QString path = album.sourceFolder + File1->selectedName();
    if (path.right(3).toUpper() == QLatin1String("JPG"))
        Image1->showFile(path);
}

void FormV::onCommand2Click() {
    if (!configureAlbum(state(), Text2->text(), desktop()))
        return;
    hide();
    wizard().showFormN();
}

void FormV::onCommand3Click() {
    if (state().photoCount == 0)
        desktop().inform(QStringLiteral("В выбранной папке нет файлов изображений"));
    else
        desktop().inform(
            QStringLiteral("Проверьте, пожалуйста настройки, выбрав кнопку: Настроить."));
}

void FormV::onCommand4Click() {
    desktop().inform(QStringLiteral("Нужно альбом настроить и подготовить"));
}

void FormV::onUserClose() {
    wizard().endProgram();
}
