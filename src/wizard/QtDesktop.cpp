#include "wizard/QtDesktop.h"

#include "wizard/WizardWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <cstdio>

namespace {

// The buttons speak the interface's language whatever translations are installed.
void russianButtonTexts(QMessageBox& box) {
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(QCoreApplication::translate("QtDesktop", "Да"));
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText(QCoreApplication::translate("QtDesktop", "Нет"));
}

// A box is centred on the window that raised it, or else on the active one.
QWidget* boxOwner() {
    if (QWidget* raising = WizardWindow::raisingWindow())
        return raising;
    return QApplication::activeWindow();
}

} // namespace

void QtDesktop::inform(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, boxOwner());
    box.exec();
}

bool QtDesktop::askYesNo(const QString& text, const QString& title, Answer safeAnswer) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No,
                    boxOwner());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(safeAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    russianButtonTexts(box);
    return box.exec() == QMessageBox::Yes;
}

bool QtDesktop::openAlbumPage(const QString& startPagePath) {
    // The path travels as one argument and never through a shell, so blanks and
    // quotes in folder names are harmless.
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("explorer.exe"),
                                   {QDir::toNativeSeparators(startPagePath)});
#else
    return QDesktopServices::openUrl(QUrl::fromLocalFile(startPagePath));
#endif
}

int QtDesktop::captionPause(int milliseconds) {
    return milliseconds;
}

void QtDesktop::endProgram() {
    std::fflush(nullptr);
    // exit() leaves the event loop without asking any window to close; the
    // windows are then destroyed with the wizard, so no close handling runs.
    QCoreApplication::exit(0);
}
