#include "wizard/FormN.h"

#include "steps/PrepareAlbumFolder.h"
#include "steps/ThumbnailScan.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/FormP.h"
#include "wizard/Wizard.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    return box;
}

QLabel* makeNote(QWidget* parent, const char* name, const QString& text) {
    QLabel* label = makeLabel(parent, name, text);
    label->setWordWrap(true);
    label->setMinimumWidth(380);
    return label;
}

} // namespace

FormN::FormN(Wizard& wizard)
    : WizardWindow(wizard, "FormN", QStringLiteral(" Генератор фотоальбома (Настройка)"), true) {
    build();
    handle([this] { load(); });
}

void FormN::build() {
    QLabel* label1 = makeHeading(this, "Label1", QStringLiteral("Генератор фотоальбома "), 6);
    QLabel* label8 = makeHeading(this, "Label8", QStringLiteral("Настрой"), 2);

    Command2 = makeButton(this, "Command2", QStringLiteral("Подготовить"));
    Check1 = makeCheck(this, "Check1", QStringLiteral("С миниатюрами. (Для WEB - страниц)"), false);
    Check2 = makeCheck(this, "Check2",
                       QStringLiteral("Использовать  для комментария к фото имя файла"), true);
    Check3 = makeCheck(this, "Check3",
                       QStringLiteral("Папку и исходные изображения в ней оставить без изменений"),
                       true);
    Command1 = makeButton(this, "Command1", QStringLiteral("Выбрать"));

    Label2 = makeNote(this, "Label2",
                      QStringLiteral("Размеры изображений могут быть произвольными по высоте и "
                                     "ширине"));
    Label3 = makeNote(
        this, "Label3",
        QStringLiteral("Подготовленные изображения в исходной папке найдены. Их примерный рамер "
                       "должен быть: основных - 600x450, а миниатюр 150x110. ( Подробные "
                       "разяснения в описании к программе). "));
    Label4 = makeNote(this, "Label4",
                      QStringLiteral("Названия для фото и комментарий к ним нужно будет вводить "
                                     "в программе"));
    Label5 =
        makeNote(this, "Label5",
                 QStringLiteral("Название и комментарий к фото могут быть в имени файла в формате: "
                                "Название#Комментарий.jpg иначе имя файла будет использовано для "
                                "комментария.Всего не более 255 символов."));
    Label6 = makeNote(this, "Label6",
                      QStringLiteral("Альбом будет создан внутри исходной папки с названием темы "
                                     "альбома."));
    Label7 = makeNote(this, "Label7",
                      QStringLiteral("Альбом будет создан в исходной папке, она будет "
                                     "переименована согласно названия альбома, исходные "
                                     "названия фото будут изменены."));

    // Each option's two labels share one place; exactly one of them is shown.
    auto* options = new QGridLayout;
    options->setVerticalSpacing(10);
    options->addWidget(Check1, 0, 0, Qt::AlignTop);
    options->addWidget(Label2, 0, 1);
    options->addWidget(Label3, 0, 1);
    options->addWidget(Check2, 1, 0, Qt::AlignTop);
    options->addWidget(Label4, 1, 1);
    options->addWidget(Label5, 1, 1);
    options->addWidget(Check3, 2, 0, Qt::AlignTop);
    options->addWidget(Label6, 2, 1);
    options->addWidget(Label7, 2, 1);
    options->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addStretch(1);
    buttons->addWidget(Command2);

    auto* page = new QVBoxLayout(this);
    page->addWidget(label1);
    page->addWidget(makeLine(this, "Line1", Qt::Horizontal));
    page->addWidget(label8);
    page->addLayout(options);
    page->addStretch(1);
    page->addWidget(makeLine(this, "Line2", Qt::Horizontal));
    page->addLayout(buttons);
    resize(760, 420);

    setTabOrder(Command2, Check1);
    setTabOrder(Check1, Check2);
    setTabOrder(Check2, Check3);
    setTabOrder(Check3, Command1);
    Command2->setFocus();

    // A box set from code raises its handler just as a click does.
    connect(Check1, &QCheckBox::toggled, this, [this] { handle([this] { onCheck1Click(); }); });
    connect(Check2, &QCheckBox::toggled, this, [this] { handle([this] { onCheck2Click(); }); });
    connect(Check3, &QCheckBox::toggled, this, [this] { handle([this] { onCheck3Click(); }); });
    connect(Command2, &QPushButton::clicked, this,
            [this] { handle([this] { onCommand2Click(); }); });
    connect(Command1, &QPushButton::clicked, this,
            [this] { handle([this] { wizard().showFormV(); }); });
}

void FormN::load() {
    applySettingsDefaults(state());
    showLabels();
}

void FormN::showLabels() {
    Label2->setVisible(!Check1->isChecked());
    Label3->setVisible(Check1->isChecked());
    Label4->setVisible(!Check2->isChecked());
    Label5->setVisible(Check2->isChecked());
    Label6->setVisible(Check3->isChecked());
    Label7->setVisible(!Check3->isChecked());
}

void FormN::onCheck1Click() {
    showLabels();
    if (!Check1->isChecked()) {
        // The photo list keeps what the last scan left.
        state().thumbnails = false;
        return;
    }
    switch (scanThumbnails(state(), desktop())) {
    case ThumbnailScanOutcome::Paired:
    case ThumbnailScanOutcome::TooManyThumbnails:
        break;
    case ThumbnailScanOutcome::CountsDiffer:
    case ThumbnailScanOutcome::ListingFailed:
        // The album is made without thumbnails: the option goes off.
        Check1->setChecked(false);
        break;
    }
}

void FormN::onCheck2Click() {
    showLabels();
    state().titlesFromFileNames = Check2->isChecked();
}

void FormN::onCheck3Click() {
    showLabels();
    state().keepSourceFolder = Check3->isChecked();
}

void FormN::onCommand2Click() {
    switch (prepareAlbumFolder(state(), desktop())) {
    case PrepareOutcome::Ready: {
        FormP* preparation = wizard().showFormP();
        preparation->focusFirstPhoto();
        break;
    }
    case PrepareOutcome::AlbumExists:
        wizard().showFormV();
        break;
    case PrepareOutcome::Failed:
        break;
    }
}

void FormN::onUserClose() {
    wizard().showFormV();
}
