#include "wizard/FormG.h"

#include "generator/GenerateAlbum.h"
#include "platform/FsPath.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/LabelProgress.h"
#include "wizard/PhotoView.h"
#include "wizard/TextBoxText.h"
#include "wizard/Wizard.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QScrollBar* makeColourBar(QWidget* parent, const char* name) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMinimum(0);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setMinimumHeight(200);
    return bar;
}

// The bars run the other way round from the colour: the top is full intensity.
constexpr int mirrored(int value) {
    return 255 - value;
}

} // namespace

FormG::FormG(Wizard& wizard)
    : WizardWindow(wizard, "FormG", QStringLiteral(" Фотоальбом (Генерация)"), true) {
    build();
    handle([this] { load(); });
}

void FormG::build() {
    Label1 = makeHeading(this, "Label1", QStringLiteral("Label1"), 4);
    QLabel* label2 = makeHeading(this, "Label2", QStringLiteral("Фотоальбом"), 2);
    QLabel* label3 = makeHeading(this, "Label3", QStringLiteral("Список"), 1);
    QLabel* label6 = makeHeading(this, "Label6", QStringLiteral("Краткая справка"), 1);
    QLabel* label8 = makeLabel(this, "Label8", QStringLiteral("Крас-Зел-Син"));
    QLabel* label9 = makeLabel(this, "Label9", QStringLiteral("Выбери       фон"));
    Label4 = makeLabel(this, "Label4", QString());
    Label5 = makeLabel(this, "Label5", QString());
    Label10 = makeLabel(this, "Label10", QStringLiteral("Label10"));
    Label10->setWordWrap(true);
    Label10->setMinimumHeight(4 * Label10->fontMetrics().lineSpacing());
    Label10->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = new PhotoView(this, "Image1", QSize(160, 120));
    Image2 = new PhotoView(this, "Image2", QSize(160, 120));
    Text1 =
        new QPlainTextEdit(QStringLiteral("Этот альбом показывает и рассказывает о ...\n"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setTabChangesFocus(true);
    VScroll1 = makeColourBar(this, "VScroll1");
    VScroll2 = makeColourBar(this, "VScroll2");
    VScroll3 = makeColourBar(this, "VScroll3");
    Command1 = makeButton(this, "Command1", QStringLiteral("Создать"));

    // The likeness of the index page: a list column and a description column,
    // framed by lines as the page's table is.
    auto* list = new QVBoxLayout;
    list->addWidget(label3);
    list->addWidget(Label4);
    list->addWidget(Image1);
    list->addWidget(makeLine(this, "Line5", Qt::Horizontal));
    list->addWidget(Label5);
    list->addWidget(Image2);
    list->addStretch(1);
    auto* about = new QVBoxLayout;
    about->addWidget(Label1);
    about->addWidget(label2);
    about->addWidget(makeLine(this, "Line6", Qt::Horizontal));
    about->addWidget(label6);
    about->addWidget(Text1, 1);
    about->addWidget(makeLine(this, "Line7", Qt::Horizontal));
    auto* likeness = new QGridLayout;
    likeness->addWidget(makeLine(this, "Line1", Qt::Horizontal), 0, 0, 1, 5);
    likeness->addWidget(makeLine(this, "Line3", Qt::Vertical), 1, 0);
    likeness->addLayout(list, 1, 1);
    likeness->addWidget(makeLine(this, "Line4", Qt::Vertical), 1, 2);
    likeness->addLayout(about, 1, 3);
    likeness->addWidget(makeLine(this, "Line8", Qt::Vertical), 1, 4);
    likeness->addWidget(makeLine(this, "Line2", Qt::Horizontal), 2, 0, 1, 5);
    likeness->setColumnStretch(3, 1);

    auto* bars = new QHBoxLayout;
    bars->addWidget(VScroll1);
    bars->addWidget(VScroll2);
    bars->addWidget(VScroll3);
    auto* colour = new QVBoxLayout;
    colour->addWidget(label9, 0, Qt::AlignHCenter);
    colour->addLayout(bars, 1);
    colour->addWidget(label8, 0, Qt::AlignHCenter);

    auto* top = new QHBoxLayout;
    top->addLayout(likeness, 1);
    top->addSpacing(12);
    top->addLayout(colour);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label10, 1);
    bottom->addWidget(Command1, 0, Qt::AlignBottom);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top, 1);
    page->addLayout(bottom);
    resize(760, 560);
    setAutoFillBackground(true);

    setTabOrder(Text1, VScroll1);
    setTabOrder(VScroll1, VScroll2);
    setTabOrder(VScroll2, VScroll3);
    setTabOrder(VScroll3, Command1);

    connect(Text1, &QPlainTextEdit::textChanged, this,
            [this] { handle([this] { onText1Change(); }); });
    for (QScrollBar* bar : {VScroll1, VScroll2, VScroll3}) {
        connect(bar, &QScrollBar::valueChanged, this,
                [this, bar] { handle([this, bar] { onScroll(bar); }); });
    }
    connect(Command1, &QPushButton::clicked, this,
            [this] { handle([this] { onCommand1Click(); }); });
}

void FormG::load() {
    const AlbumState& album = state();
    Label1->setText(album.albumName);
    Label4->setText(album.titles[1]);
    Label5->setText(album.titles[2]);
    // An empty file name leaves the new picture empty.
    Image1->showFile(album.photoFiles[1]);
    Image2->showFile(album.photoFiles[2]);
    Text1->setPlainText(toBoxText(album.description));
    for (QScrollBar* bar : {VScroll1, VScroll2, VScroll3})
        bar->setMaximum(255);
    VScroll1->setValue(mirrored(album.backgroundRed));
    VScroll2->setValue(mirrored(album.backgroundGreen));
    VScroll3->setValue(mirrored(album.backgroundBlue));
    showBackground();
    Label10->setText(QString());
}

void FormG::onText1Change() {
    state().description = toAlbumText(Text1->toPlainText());
}

void FormG::onScroll(QScrollBar* bar) {
    AlbumState& album = state();
    // Only the moved bar is read; the other components come from the album.
    if (bar == VScroll1)
        album.backgroundRed = mirrored(bar->value());
    else if (bar == VScroll2)
        album.backgroundGreen = mirrored(bar->value());
    else
        album.backgroundBlue = mirrored(bar->value());
    showBackground();
}

void FormG::showBackground() {
    const AlbumState& album = state();
    QPalette colours = palette();
    colours.setColor(QPalette::Window,
                     QColor(album.backgroundRed, album.backgroundGreen, album.backgroundBlue));
    setPalette(colours);
}

void FormG::onCommand1Click() {
    AlbumState& album = state();
    LabelProgress progress(*Label10, desktop());
    GenerationContext context;
    context.typedAlbumName = wizard().typedAlbumName();
    context.programFolder = wizard().programFolder();
    context.progress = &progress;
    const Outcome result = generateAlbum(album, context);
    if (!result.ok) {
        // Nothing was lost; the user can set things right and press again.
        Label10->setText(toBoxText(result.message));
        desktop().inform(result.message);
        return;
    }

    const bool copyMode = album.keepSourceFolder;
    const QString folder = copyMode ? album.sourceFolder : album.albumFolder;
    Label10->setText(QStringLiteral("Ваш альбом в папке: \n") + folder +
                     QStringLiteral("\nДля просмотра выберите файл start.htm"));
    Label10->repaint();

    if (desktop().askYesNo(QStringLiteral("Просматривать будем?"),
                           QStringLiteral("Генерация выполнена"))) {
        const QString page = copyMode ? album.sourceFolder + album.albumName + nativeSeparator() +
                                            QStringLiteral("start.htm")
                                      : album.albumFolder + QStringLiteral("start.htm");
        desktop().openAlbumPage(page);
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
