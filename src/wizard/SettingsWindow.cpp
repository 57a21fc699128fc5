#include "wizard/SettingsWindow.h"

#include "steps/PhotoChoice.h"
#include "steps/PrepareAlbumFolder.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/PreparationWindow.h"
#include "wizard/Wizard.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QCheckBox* makeCheck(QWidget* parent, const QString& caption, bool checked) {
    auto* box = new QCheckBox(caption, parent);
    box->setChecked(checked);
    return box;
}

QLabel* makeNote(QWidget* parent, const QString& text) {
    QLabel* label = makeLabel(parent, text);
    label->setWordWrap(true);
    label->setMinimumWidth(260);
    // Both notes of an option share one place, as large as the larger needs,
    // so switching them moves nothing below.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

SettingsWindow::SettingsWindow(Wizard& wizard)
    : WizardWindow(wizard, QStringLiteral(" Генератор фотоальбома (Настройка)"), true) {
    build();
    handle([this] { load(); });
}

struct SettingsWindow::Decor {
    QLabel* title;
    QLabel* stepHeading;
    QFrame* underTitle;
    QFrame* overButtons;
};

void SettingsWindow::build() {
    const Decor decor = createControls();
    nameControls(decor);
    layOut(decor);
    orderTabs();
    wireHandlers();
}

SettingsWindow::Decor SettingsWindow::createControls() {
    Decor decor;
    decor.title = makeHeading(this, QStringLiteral("Генератор фотоальбома "), 6);
    decor.stepHeading = makeHeading(this, QStringLiteral("Настрой"), 2);

    prepareButton = makeButton(this, QStringLiteral("&Подготовить"));
    thumbnailsCheck = makeCheck(this, QStringLiteral("&С миниатюрами. (Для WEB - страниц)"), false);
    titlesFromNamesCheck =
        makeCheck(this, QStringLiteral("&Использовать  для комментария к фото имя файла"), true);
    keepFolderCheck = makeCheck(
        this, QStringLiteral("Папку и исходные изображения в ней &оставить без изменений"), true);
    webPhotosCheck =
        makeCheck(this, QStringLiteral("Подготовить &фото для WEB автоматически"), false);
    selectionButton = makeButton(this, QStringLiteral("Вы&брать"));

    anySizeNote = makeNote(this, QStringLiteral("Размеры изображений могут быть произвольными по "
                                                "высоте и ширине"));
    preparedSizesNote = makeNote(
        this,
        QStringLiteral("Подготовленные изображения в исходной папке найдены. Их примерный рамер "
                       "должен быть: основных - 600x450, а миниатюр 150x110. ( Подробные "
                       "разяснения в описании к программе). "));
    typedTitlesNote =
        makeNote(this, QStringLiteral("Названия для фото и комментарий к ним нужно будет вводить "
                                      "в программе"));
    namedTitlesNote =
        makeNote(this, QStringLiteral("Название и комментарий к фото могут быть в имени файла в "
                                      "формате: Название#Комментарий.jpg иначе имя файла будет "
                                      "использовано для комментария.Всего не более 255 символов."));
    insideFolderNote =
        makeNote(this, QStringLiteral("Альбом будет создан внутри исходной папки с названием темы "
                                      "альбома."));
    renamedFolderNote =
        makeNote(this, QStringLiteral("Альбом будет создан в исходной папке, она будет "
                                      "переименована согласно названия альбома, исходные "
                                      "названия фото будут изменены."));
    photosAsTheyAreNote =
        makeNote(this, QStringLiteral("Фото попадут в альбом такими, какие они есть в исходной "
                                      "папке."));
    photosMadeForWebNote = makeNote(
        this, QStringLiteral("Фото и миниатюры для альбома будут сделаны из исходных: повёрнуты, "
                             "уменьшены до 600x410 и 150x105 без искажения пропорций. Исходные "
                             "файлы не изменятся, файлы -m.jpg не нужны."));

    decor.underTitle = makeLine(this, Qt::Horizontal);
    decor.overButtons = makeLine(this, Qt::Horizontal);
    return decor;
}

void SettingsWindow::nameControls(const Decor& decor) {
    setObjectNames({
        {this, "FormN"},
        {decor.title, "Label1"},
        {decor.stepHeading, "Label8"},
        {prepareButton, "Command2"},
        {thumbnailsCheck, "Check1"},
        {titlesFromNamesCheck, "Check2"},
        {keepFolderCheck, "Check3"},
        {webPhotosCheck, "Check4"},
        {selectionButton, "Command1"},
        {anySizeNote, "Label2"},
        {preparedSizesNote, "Label3"},
        {typedTitlesNote, "Label4"},
        {namedTitlesNote, "Label5"},
        {insideFolderNote, "Label6"},
        {renamedFolderNote, "Label7"},
        {photosAsTheyAreNote, "Label9"},
        {photosMadeForWebNote, "Label10"},
        {decor.underTitle, "Line1"},
        {decor.overButtons, "Line2"},
    });
}

void SettingsWindow::layOut(const Decor& decor) {
    // Each option's two notes share one place; exactly one of them is shown.
    auto* options = new QGridLayout;
    options->setVerticalSpacing(10);
    options->addWidget(thumbnailsCheck, 0, 0, Qt::AlignTop);
    options->addWidget(anySizeNote, 0, 1);
    options->addWidget(preparedSizesNote, 0, 1);
    options->addWidget(titlesFromNamesCheck, 1, 0, Qt::AlignTop);
    options->addWidget(typedTitlesNote, 1, 1);
    options->addWidget(namedTitlesNote, 1, 1);
    options->addWidget(keepFolderCheck, 2, 0, Qt::AlignTop);
    options->addWidget(insideFolderNote, 2, 1);
    options->addWidget(renamedFolderNote, 2, 1);
    options->addWidget(webPhotosCheck, 3, 0, Qt::AlignTop);
    options->addWidget(photosAsTheyAreNote, 3, 1);
    options->addWidget(photosMadeForWebNote, 3, 1);
    options->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectionButton);
    buttons->addStretch(1);
    buttons->addWidget(prepareButton);

    auto* page = new QVBoxLayout(this);
    page->addWidget(decor.title);
    page->addWidget(decor.underTitle);
    page->addWidget(decor.stepHeading);
    page->addLayout(options);
    page->addStretch(1);
    page->addWidget(decor.overButtons);
    page->addLayout(buttons);
    resize(760, 420);
}

void SettingsWindow::orderTabs() {
    setTabChain({thumbnailsCheck, titlesFromNamesCheck, keepFolderCheck, webPhotosCheck,
                 selectionButton, prepareButton});
    prepareButton->setFocus();
}

void SettingsWindow::wireHandlers() {
    // A box set from code raises its handler just as a click does.
    wire(thumbnailsCheck, &QCheckBox::toggled, &SettingsWindow::onThumbnailsToggled);
    wire(titlesFromNamesCheck, &QCheckBox::toggled, &SettingsWindow::onTitlesFromNamesToggled);
    wire(keepFolderCheck, &QCheckBox::toggled, &SettingsWindow::onKeepFolderToggled);
    wire(webPhotosCheck, &QCheckBox::toggled, &SettingsWindow::onWebPhotosToggled);
    wire(prepareButton, &QPushButton::clicked, &SettingsWindow::onPrepare);
    wire(selectionButton, &QPushButton::clicked, [this] { wizard().showSelectionWindow(); });
}

void SettingsWindow::load() {
    applySettingsDefaults(state());
    showNotes();
}

void SettingsWindow::showNotes() {
    // Each box with the note shown when it is checked and the one shown when it is not.
    const struct {
        QCheckBox* box;
        QLabel* checked;
        QLabel* unchecked;
    } options[] = {
        {thumbnailsCheck, preparedSizesNote, anySizeNote},
        {titlesFromNamesCheck, namedTitlesNote, typedTitlesNote},
        {keepFolderCheck, insideFolderNote, renamedFolderNote},
        {webPhotosCheck, photosMadeForWebNote, photosAsTheyAreNote},
    };
    for (const auto& [box, checked, unchecked] : options) {
        checked->setVisible(box->isChecked());
        unchecked->setVisible(!box->isChecked());
        // A screen reader reads the note in sight as the box's description.
        box->setAccessibleDescription((box->isChecked() ? checked : unchecked)->text());
    }
    // Web photos are made only into a new album folder, so the box waits for
    // the folder to be kept; it says why to whoever finds it off.
    const bool webPossible = keepFolderCheck->isChecked();
    webPhotosCheck->setEnabled(webPossible);
    const QString why = tr("Недоступно, пока не отмечено «Папку и исходные изображения в ней "
                           "оставить без изменений»: фото для WEB делаются только в новой папке "
                           "альбома.");
    webPhotosCheck->setToolTip(webPossible ? QString() : why);
    if (!webPossible)
        webPhotosCheck->setAccessibleDescription(why);
}

void SettingsWindow::showPhotoOptions() {
    const QSignalBlocker blockThumbnails(thumbnailsCheck);
    const QSignalBlocker blockWeb(webPhotosCheck);
    thumbnailsCheck->setChecked(state().thumbnails);
    webPhotosCheck->setChecked(state().webPhotos);
    showNotes();
}

void SettingsWindow::onThumbnailsToggled() {
    // Web photos without thumbnails may be up to 40 again; a failed choice takes
    // the option back off (the album is then made without thumbnails). The
    // notes show the outcome before it is told, and a failure is told by its
    // reason alone: a limit met on the way no longer applies.
    const Outcome chosen = setThumbnails(state(), thumbnailsCheck->isChecked());
    showPhotoOptions();
    tell(desktop(), chosen ? chosen : Outcome::failure(chosen.message));
}

void SettingsWindow::onTitlesFromNamesToggled() {
    showNotes();
    state().titlesFromFileNames = titlesFromNamesCheck->isChecked();
}

void SettingsWindow::onKeepFolderToggled() {
    state().keepSourceFolder = keepFolderCheck->isChecked();
    if (const Outcome mode = checkWebPhotosMode(state()); !mode) {
        // Web photos are made only into a new album folder: the folder stays.
        desktop().inform(mode.message);
        keepFolderCheck->setChecked(true);
        return;
    }
    showNotes();
}

void SettingsWindow::onWebPhotosToggled() {
    tell(desktop(), setWebPhotos(state(), webPhotosCheck->isChecked()));
    showPhotoOptions();
}

void SettingsWindow::onPrepare() {
    const AlbumNameCheck prepared = prepareAlbumFolder(state());
    tell(desktop(), prepared);
    if (prepared) {
        PreparationWindow* preparation = wizard().showPreparationWindow();
        preparation->focusFirstPhoto();
    } else if (prepared.albumExists) {
        wizard().showSelectionWindow();
    }
}

void SettingsWindow::resizeEvent(QResizeEvent* event) {
    // The notes wrap to more lines in a narrower window or a larger font; the
    // window is never lower than they need at its width, so none is cut off.
    setMinimumHeight(layout()->totalHeightForWidth(width()));
    WizardWindow::resizeEvent(event);
}

void SettingsWindow::onUserClose() {
    wizard().showSelectionWindow();
}
