#include "wizard/FormP.h"

#include "steps/PhotoOrder.h"
#include "steps/ThumbnailLimit.h"
#include "steps/TitlesFromNames.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/PhotoView.h"
#include "wizard/TextBoxText.h"
#include "wizard/Wizard.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

FormP::FormP(Wizard& wizard)
    : WizardWindow(wizard, "FormP", QStringLiteral(" Генератор фотоальбома (Подготовка)"), true) {
    build();
    handle([this] { load(); });
}

void FormP::build() {
    QLabel* label1 = makeHeading(this, "Label1", QStringLiteral("Генератор фотоальбома"), 6);
    QLabel* label2 = makeHeading(this, "Label2", QStringLiteral("Подготовь"), 2);
    QLabel* label7 = makeLabel(this, "Label7", QStringLiteral("Список фото в альбоме"));
    QLabel* label6 = makeLabel(this, "Label6", QStringLiteral("Место в списке"));
    QLabel* label5 = makeLabel(this, "Label5", QStringLiteral("Миниатюра"));
    QLabel* label3 = makeLabel(this, "Label3", QStringLiteral("Название фотографии"));
    QLabel* label4 = makeLabel(this, "Label4", QStringLiteral("Краткий комментарий"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setMinimumWidth(180);
    Command5 = makeButton(this, "Command5", QStringLiteral("Вверх"));
    Command6 = makeButton(this, "Command6", QStringLiteral("Вниз"));
    Image1 = new PhotoView(this, "Image1", QSize(400, 300));
    Image2 = new PhotoView(this, "Image2", QSize(160, 120));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMaxLength(std::numeric_limits<int>::max());
    Text2 = new QPlainTextEdit(QStringLiteral("Text2"), this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text2->setTabChangesFocus(true);
    Text2->setFixedHeight(90);
    Command1 = makeButton(this, "Command1", QStringLiteral("Выбрать"));
    Command2 = makeButton(this, "Command2", QStringLiteral("Настроить"));
    Command3 = makeButton(this, "Command3", QStringLiteral("Сгенерировать"));
    Command4 = makeButton(this, "Command4", QStringLiteral("Выйти"));

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(label7);
    listColumn->addWidget(List1, 1);
    listColumn->addWidget(label6);
    auto* order = new QHBoxLayout;
    order->addWidget(Command5);
    order->addWidget(Command6);
    listColumn->addLayout(order);

    auto* thumbColumn = new QVBoxLayout;
    thumbColumn->addWidget(label5);
    thumbColumn->addWidget(Image2);
    thumbColumn->addStretch(1);
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(Image1);
    pictures->addLayout(thumbColumn);

    auto* photoColumn = new QVBoxLayout;
    photoColumn->addLayout(pictures);
    photoColumn->addWidget(label3);
    photoColumn->addWidget(Text1);
    photoColumn->addWidget(label4);
    photoColumn->addWidget(Text2);

    auto* work = new QHBoxLayout;
    work->addLayout(listColumn);
    work->addLayout(photoColumn, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch(1);
    buttons->addWidget(Command3);
    buttons->addWidget(Command4);

    auto* page = new QVBoxLayout(this);
    page->addWidget(label1);
    page->addWidget(label2);
    page->addLayout(work, 1);
    page->addLayout(buttons);
    resize(820, 620);

    setTabOrder(List1, Command5);
    setTabOrder(Command5, Command6);
    setTabOrder(Command6, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command3);
    setTabOrder(Command3, Command2);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, Command4);

    // Selecting a line by code raises the same handler as a click.
    connect(List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            handle([this] { onList1Click(); });
    });
    connect(Text1, &QLineEdit::textChanged, this, [this] { handle([this] { onText1Change(); }); });
    connect(Text2, &QPlainTextEdit::textChanged, this,
            [this] { handle([this] { onText2Change(); }); });
    connect(Command5, &QPushButton::clicked, this, [this] { handle([this] { onUp(); }); });
    connect(Command6, &QPushButton::clicked, this, [this] { handle([this] { onDown(); }); });
    connect(Command1, &QPushButton::clicked, this,
            [this] { handle([this] { onCommand1Click(); }); });
    connect(Command2, &QPushButton::clicked, this,
            [this] { handle([this] { onCommand2Click(); }); });
    connect(Command3, &QPushButton::clicked, this,
            [this] { handle([this] { onCommand3Click(); }); });
    connect(Command4, &QPushButton::clicked, this,
            [this] { handle([this] { wizard().endProgram(); }); });
}

void FormP::load() {
    AlbumState& album = state();
    if (isParseMode(album))
        loadTitlesFromNames(album, desktop());
    const int lines = placeCount(album);
    for (int k = 1; k <= lines; ++k)
        List1->addItem(album.ordinalNames[k]);
}

void FormP::focusFirstPhoto() {
    handle([this] {
        List1->setFocus();
        List1->setCurrentRow(0);
    });
}

int FormP::selectedPosition() const {
    return List1->currentRow() + 1;
}

void FormP::onList1Click() {
    const AlbumState& album = state();
    const int k = selectedPosition();
    Image1->showFile(album.photoFiles[k]);
    Text1->setText(album.titles[k]);
    Text2->setPlainText(toBoxText(album.comments[k]));
    if (album.thumbnails) {
        // Only the first twenty positions have thumbnail slots.
        if (decltype(album.thumbnailFiles)::inBounds(k))
            Image2->showFile(album.thumbnailFiles[k]);
        else
            Image2->clearPicture();
    }
}

void FormP::onText1Change() {
    state().titles[selectedPosition()] = Text1->text();
}

void FormP::onText2Change() {
    state().comments[selectedPosition()] = toAlbumText(Text2->toPlainText());
}

void FormP::onUp() {
    const int line = List1->currentRow();
    const int target = movePhotoUp(state(), line);
    if (target != line)
        List1->setCurrentRow(target);
}

void FormP::onDown() {
    const int line = List1->currentRow();
    const int target = movePhotoDown(state(), line);
    if (target != line)
        List1->setCurrentRow(target);
}

void FormP::onCommand1Click() {
    closeFromCode();
    wizard().showFormV();
}

void FormP::onCommand2Click() {
    closeFromCode();
    wizard().showFormN();
}

void FormP::onCommand3Click() {
    // The background colour is left as it is, so the generation window and the
    // album always show the same colour.
    if (const Outcome limit = checkThumbnailLimit(state()); !limit) {
        desktop().inform(limit.message);
        return;
    }
    wizard().showFormG();
}
