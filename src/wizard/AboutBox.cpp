#include "wizard/AboutBox.h"

#include "wizard/ApplicationIcon.h"
#include "wizard/Controls.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutBox::AboutBox(Wizard& wizard) : WizardWindow(wizard, QString(), true) {
    auto* iconLabel = new QLabel(this);
    iconLabel->setPixmap(applicationIcon().pixmap(48, 48));
    iconLabel->setFixedSize(52, 52);
    iconLabel->setAccessibleName(tr("Значок программы"));

    titleLabel = makeHeading(this, QString(), 4);
    QLabel* version = makeLabel(this, QStringLiteral("Version 1.0"));
    QLabel* description = makeLabel(
        this,
        QStringLiteral("Программа предназначена для создания фотоальбома в виде WEB-страниц."));
    description->setWordWrap(true);
    QLabel* credit = makeLabel(this, QStringLiteral("Сделано участниками проекта «Генератор "
                                                    "фотоальбома». Распространяется свободно."));
    credit->setWordWrap(true);
    QLabel* contact = makeLabel(
        this, QStringLiteral("Вопросы и предложения присылайте через трекер задач проекта."));
    contact->setWordWrap(true);

    auto* line = new QWidget(this);
    QPushButton* okButton = makeButton(this, QStringLiteral("&OK"));

    setObjectNames({
        {this, "frmAbout"},
        {iconLabel, "picIcon"},
        {titleLabel, "m1"},
        {version, "mVersion"},
        {description, "lblDescription"},
        {credit, "lblDisclaimer"},
        {contact, "Label2"},
        {line, "Line1"},
        {okButton, "cmdOK"},
    });

    // The separator is two lines, a grey one over a white one.
    line->setFixedHeight(2);
    line->setStyleSheet(QStringLiteral("#Line1 { border-top: 1px solid #808080; border-bottom: "
                                       "1px solid #ffffff; }"));
    line->setAttribute(Qt::WA_StyledBackground);

    okButton->setDefault(true);
    okButton->setMinimumWidth(100);

    auto* heading = new QVBoxLayout;
    heading->addWidget(titleLabel);
    heading->addWidget(version);
    heading->addWidget(description);
    auto* top = new QHBoxLayout;
    top->addWidget(iconLabel, 0, Qt::AlignTop);
    top->addLayout(heading, 1);
    auto* bottom = new QHBoxLayout;
    auto* credits = new QVBoxLayout;
    credits->addWidget(credit);
    credits->addWidget(contact);
    bottom->addLayout(credits, 1);
    bottom->addWidget(okButton, 0, Qt::AlignBottom);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addSpacing(8);
    page->addWidget(line);
    page->addSpacing(8);
    page->addLayout(bottom);
    resize(460, 220);
    okButton->setFocus();

    wire(okButton, &QPushButton::clicked, [this] { close(); });
    handle([this] { load(); });
}

void AboutBox::load() {
    setWindowTitle(QStringLiteral("О программе"));
    titleLabel->setText(QStringLiteral("Генератор фотоальбома"));
}

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
