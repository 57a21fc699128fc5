#include "wizard/frmAbout.h"

#include "wizard/ApplicationIcon.h"
#include "wizard/Controls.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(Wizard& wizard) : WizardWindow(wizard, "frmAbout", QString(), true) {
    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(applicationIcon().pixmap(48, 48));
    picIcon->setFixedSize(52, 52);

    m1 = makeHeading(this, "m1", QString(), 4);
    QLabel* version = makeLabel(this, "mVersion", QStringLiteral("Version 1.0"));
    QLabel* description = makeLabel(
        this, "lblDescription",
        QStringLiteral("Программа предназначена для создания фотоальбома в виде WEB-страниц."));
    description->setWordWrap(true);
    QLabel* credit = makeLabel(this, "lblDisclaimer",
                               QStringLiteral("Сделано участниками проекта «Генератор "
                                              "фотоальбома». Распространяется свободно."));
    credit->setWordWrap(true);
    QLabel* contact =
        makeLabel(this, "Label2",
                  QStringLiteral("Вопросы и предложения присылайте через трекер задач проекта."));
    contact->setWordWrap(true);

    // The separator is two lines, a grey one over a white one.
    auto* line = new QWidget(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFixedHeight(2);
    line->setStyleSheet(QStringLiteral("#Line1 { border-top: 1px solid #808080; border-bottom: "
                                       "1px solid #ffffff; }"));
    line->setAttribute(Qt::WA_StyledBackground);

    QPushButton* cmdOK = makeButton(this, "cmdOK", QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(100);

    auto* heading = new QVBoxLayout;
    heading->addWidget(m1);
    heading->addWidget(version);
    heading->addWidget(description);
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addLayout(heading, 1);
    auto* bottom = new QHBoxLayout;
    auto* credits = new QVBoxLayout;
    credits->addWidget(credit);
    credits->addWidget(contact);
    bottom->addLayout(credits, 1);
    bottom->addWidget(cmdOK, 0, Qt::AlignBottom);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addSpacing(8);
    page->addWidget(line);
    page->addSpacing(8);
    page->addLayout(bottom);
    resize(460, 220);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, [this] { handle([this] { close(); }); });
    handle([this] { load(); });
}

void frmAbout::load() {
    setWindowTitle(QStringLiteral("О программе"));
    m1->setText(QStringLiteral("Генератор фотоальбома"));
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
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
