#include "wizard/AboutBox.h"

#include "ui_AboutBox.h"
#include "wizard/ApplicationIcon.h"
#include "wizard/Controls.h"

#include <QKeyEvent>

AboutBox::AboutBox(Wizard& wizard)
    : WizardWindow(wizard, QString(), true), ui(std::make_unique<Ui::AboutBox>()) {
    ui->setupUi(this);
    ui->iconLabel->setPixmap(applicationIcon().pixmap(48, 48));
    useHeadingFont(ui->titleLabel, 4);
    // The separator is two lines, a grey one over a white one, drawn by its style sheet.
    ui->line->setAttribute(Qt::WA_StyledBackground);
    ui->okButton->setFocus();
    wire(ui->okButton, &QPushButton::clicked, [this] { close(); });
}

AboutBox::~AboutBox() = default;

void AboutBox::keyPressEvent(QKeyEvent* event) {
    // OK is both the default and the cancel button of the box.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        handle([this] { close(); });
        return;
    default:
        WizardWindow::keyPressEvent(event);
    }
}
