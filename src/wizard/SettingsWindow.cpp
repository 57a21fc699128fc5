#include "wizard/SettingsWindow.h"

#include "steps/PhotoChoice.h"
#include "steps/PrepareAlbumFolder.h"
#include "ui_SettingsWindow.h"
#include "wizard/Controls.h"
#include "wizard/Desktop.h"
#include "wizard/PreparationWindow.h"
#include "wizard/Wizard.h"

#include <QSignalBlocker>

SettingsWindow::SettingsWindow(Wizard& wizard)
    : WizardWindow(wizard, tr(" Генератор фотоальбома (Настройка)"), true),
      ui(std::make_unique<Ui::SettingsWindow>()) {
    ui->setupUi(this);
    // Headings grow with the desktop's font, which a size fixed in the form would not.
    useHeadingFont(ui->titleLabel, 6);
    useHeadingFont(ui->stepHeading, 2);
    // Both notes of an option share one place, as large as the larger needs,
    // so switching them moves nothing below.
    for (QLabel* note : {ui->anySizeNote, ui->preparedSizesNote, ui->typedTitlesNote,
                         ui->namedTitlesNote, ui->insideFolderNote, ui->renamedFolderNote,
                         ui->photosAsTheyAreNote, ui->photosMadeForWebNote}) {
        QSizePolicy policy = note->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        note->setSizePolicy(policy);
    }
    ui->prepareButton->setFocus();
    wireHandlers();
    handle([this] { load(); });
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::wireHandlers() {
    // A box set from code raises its handler just as a click does.
    wire(ui->thumbnailsCheck, &QCheckBox::toggled, &SettingsWindow::onThumbnailsToggled);
    wire(ui->titlesFromNamesCheck, &QCheckBox::toggled, &SettingsWindow::onTitlesFromNamesToggled);
    wire(ui->keepFolderCheck, &QCheckBox::toggled, &SettingsWindow::onKeepFolderToggled);
    wire(ui->webPhotosCheck, &QCheckBox::toggled, &SettingsWindow::onWebPhotosToggled);
    wire(ui->modernAlbumCheck, &QCheckBox::toggled, &SettingsWindow::onModernAlbumToggled);
    wire(ui->prepareButton, &QPushButton::clicked, &SettingsWindow::onPrepare);
    wire(ui->selectionButton, &QPushButton::clicked, [this] { wizard().showSelectionWindow(); });
}

void SettingsWindow::load() {
    applySettingsDefaults(state());
    showPhotoOptions();
}

void SettingsWindow::showNotes() {
    // Each box with the note shown when it is checked and the one shown when it is not.
    const struct {
        QCheckBox* box;
        QLabel* checked;
        QLabel* unchecked;
    } options[] = {
        {ui->thumbnailsCheck, ui->preparedSizesNote, ui->anySizeNote},
        {ui->titlesFromNamesCheck, ui->namedTitlesNote, ui->typedTitlesNote},
        {ui->keepFolderCheck, ui->insideFolderNote, ui->renamedFolderNote},
        {ui->webPhotosCheck, ui->photosMadeForWebNote, ui->photosAsTheyAreNote},
    };
    for (const auto& [box, checked, unchecked] : options) {
        checked->setVisible(box->isChecked());
        unchecked->setVisible(!box->isChecked());
        // A screen reader reads the note in sight as the box's description.
        box->setAccessibleDescription((box->isChecked() ? checked : unchecked)->text());
    }
    // The modern album's note says what it makes, whether it is on or off.
    ui->modernAlbumCheck->setAccessibleDescription(ui->modernAlbumNote->text());
    // A box that cannot be used says why to whoever finds it off.
    const auto offerIf = [](QCheckBox* box, bool possible, const QString& why) {
        box->setEnabled(possible);
        box->setToolTip(possible ? QString() : why);
        if (!possible)
            box->setAccessibleDescription(why);
    };
    // Web photos and a modern album are made only into a new album folder, so
    // their boxes wait for the folder to be kept.
    const bool webPossible = ui->keepFolderCheck->isChecked();
    // A modern album makes its own photos and thumbnails: the other two wait for it to go off.
    const bool modern = ui->modernAlbumCheck->isChecked();
    const QString whyModern = tr("Недоступно, пока отмечено «Современный альбом»: он сам делает "
                                 "фото и миниатюры из исходных изображений.");
    offerIf(ui->thumbnailsCheck, !modern, whyModern);
    offerIf(ui->webPhotosCheck, webPossible && !modern,
            modern ? whyModern
                   : tr("Недоступно, пока не отмечено «Папку и исходные изображения в ней "
                        "оставить без изменений»: фото для WEB делаются только в новой папке "
                        "альбома."));
    offerIf(ui->modernAlbumCheck, webPossible,
            tr("Недоступно, пока не отмечено «Папку и исходные изображения в ней оставить без "
               "изменений»: современный альбом делается только в новой папке."));
}

void SettingsWindow::showPhotoOptions() {
    const QSignalBlocker blockThumbnails(ui->thumbnailsCheck);
    const QSignalBlocker blockWeb(ui->webPhotosCheck);
    const QSignalBlocker blockModern(ui->modernAlbumCheck);
    ui->thumbnailsCheck->setChecked(state().thumbnails);
    ui->webPhotosCheck->setChecked(state().webPhotos);
    ui->modernAlbumCheck->setChecked(state().modernAlbum);
    showNotes();
}

void SettingsWindow::onThumbnailsToggled() {
    // Web photos without thumbnails may be up to 40 again; a failed choice takes
    // the option back off (the album is then made without thumbnails). The
    // notes show the outcome before it is told, and a failure is told by its
    // reason alone: a limit met on the way no longer applies.
    const Outcome chosen = setThumbnails(state(), ui->thumbnailsCheck->isChecked());
    showPhotoOptions();
    tell(desktop(), chosen ? chosen : Outcome::failure(chosen.message));
}

void SettingsWindow::onTitlesFromNamesToggled() {
    showNotes();
    state().titlesFromFileNames = ui->titlesFromNamesCheck->isChecked();
}

void SettingsWindow::onKeepFolderToggled() {
    state().keepSourceFolder = ui->keepFolderCheck->isChecked();
    if (const Outcome mode = checkWebPhotosMode(state()); !mode) {
        // Web photos are made only into a new album folder: the folder stays.
        tell(desktop(), mode);
        ui->keepFolderCheck->setChecked(true);
        return;
    }
    showNotes();
}

void SettingsWindow::onWebPhotosToggled() {
    tell(desktop(), setWebPhotos(state(), ui->webPhotosCheck->isChecked()));
    showPhotoOptions();
}

void SettingsWindow::onModernAlbumToggled() {
    // On, the thumbnail and web boxes go off and every photo is chosen again;
    // a failed choice leaves every option as it was. The boxes show the outcome
    // before it is told.
    const Outcome chosen = setModernAlbum(state(), ui->modernAlbumCheck->isChecked());
    showPhotoOptions();
    tell(desktop(), chosen);
}

void SettingsWindow::onPrepare() {
    const Result<AlbumNameCheck> prepared = prepareAlbumFolder(state());
    tell(desktop(), prepared);
    if (prepared) {
        PreparationWindow* preparation = wizard().showPreparationWindow();
        preparation->focusFirstPhoto();
    } else if (prepared.value.albumExists) {
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
