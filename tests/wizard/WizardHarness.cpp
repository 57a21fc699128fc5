#include "WizardHarness.h"

#include "TestPhotos.h"
#include "ui_SelectionWindow.h"
#include "wizard/FolderList.h"
#include "wizard/SelectionWindow.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

WizardTest::~WizardTest() {
    wizard.reset();
    settle();
}

void WizardTest::start(const QString& startFolder) {
    wizard = std::make_unique<Wizard>(desktop, services.over(disk),
                                      startFolder.isEmpty() ? folder.path() : startFolder);
    wizard->start();
}

void WizardTest::click(QAbstractButton* button) {
    const bool wasBusy = wizard && wizard->busy();
    QTest::mouseClick(button, Qt::LeftButton);
    finishRun(wasBusy);
}

void WizardTest::typeText(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(target, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void WizardTest::chooseFolder(const QString& path) {
    Q_EMIT wizard->selectionWindow()->form().folderList->folderChosen(path);
}

QString WizardTest::photoFolder(const QStringList& names, const QString& folderName) {
    const QString path = folder.makeFolder(folderName);
    QStringList relative;
    for (const QString& name : names)
        relative.append(folderName + QLatin1Char('/') + name);
    writePhotos(folder, relative);
    return path;
}

void WizardTest::configure(const QString& albumName) {
    const Ui::SelectionWindow& selection = wizard->selectionWindow()->form();
    selection.albumNameEdit->clear();
    typeInto(selection.albumNameEdit, albumName);
    click(selection.configureButton);
}

void WizardTest::press(Qt::Key key, int times) {
    for (int i = 0; i < times; ++i) {
        // Windows shown or closed by the last key have taken or given up the focus.
        settle();
        const bool wasBusy = wizard && wizard->busy();
        QTest::keyClick(QApplication::focusWidget(), key);
        finishRun(wasBusy);
    }
}

void WizardTest::finishRun(bool wasBusy) {
    while (!wasBusy && wizard && wizard->busy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void WizardTest::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
