// wizard_screenshots PHOTO_FOLDER OUT_FOLDER: walks the wizard over the photos
// in PHOTO_FOLDER and saves a picture of each window as OUT_FOLDER/wizard-<name>.png.
// Message boxes are answered by script, so the run needs no one at the screen.
// The album folder that "Подготовить" creates is made inside PHOTO_FOLDER.

#include "ScriptedDesktop.h"
#include "platform/FolderLock.h"
#include "platform/RealFileOps.h"
#include "ui_GenerationWindow.h"
#include "ui_PreparationWindow.h"
#include "ui_SelectionWindow.h"
#include "ui_SettingsWindow.h"
#include "wizard/AboutBox.h"
#include "wizard/FileList.h"
#include "wizard/FolderList.h"
#include "wizard/GenerationWindow.h"
#include "wizard/PreparationWindow.h"
#include "wizard/SelectionWindow.h"
#include "wizard/SettingsWindow.h"
#include "wizard/Wizard.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTextStream>
#include <QWindow>

namespace {

void waitUntilShown(QWidget* window) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 3000 &&
           (!window->windowHandle() || !window->windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The window's picture under a plain title bar with its caption, since the
// grab holds only the inside of the window.
QImage withTitleBar(QWidget* window) {
    const QImage inside = window->grab().toImage();
    const int barHeight = 28;
    QImage framed(inside.width() + 2, inside.height() + barHeight + 1, QImage::Format_RGB32);
    framed.fill(QColor(70, 80, 95));
    QPainter painter(&framed);
    QFont font = window->font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(10, 0, framed.width() - 20, barHeight), Qt::AlignVCenter | Qt::AlignLeft,
                     window->windowTitle());
    painter.drawImage(1, barHeight, inside);
    return framed;
}

bool save(QWidget* window, const QString& outFolder, QTextStream& out) {
    if (!window)
        return false;
    waitUntilShown(window);
    const QString path =
        outFolder + QStringLiteral("/wizard-") + window->objectName() + QStringLiteral(".png");
    if (!withTitleBar(window).save(path))
        return false;
    out << path << '\n';
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        err << "usage: wizard_screenshots PHOTO_FOLDER OUT_FOLDER\n";
        return 2;
    }
    const QString photos = QDir(args[1]).absolutePath();
    const QString outFolder = QDir(args[2]).absolutePath();
    QDir().mkpath(outFolder);

    ScriptedDesktop desktop;
    QDir parent(photos);
    parent.cdUp();
    RealFileOps disk;
    FolderLocks locks;
    Wizard wizard(desktop, {disk, locks, QCoreApplication::applicationDirPath()},
                  parent.absolutePath());
    wizard.start();
    SelectionWindow* selection = wizard.selectionWindow();
    if (const Outcome moved = selection->form().folderList->setPath(photos); !moved)
        err << moved.message << '\n';
    selection->form().fileList->setCurrentRow(2);
    selection->form().albumNameEdit->setText(QStringLiteral("Летний отпуск"));
    bool ok = save(selection, outFolder, out);

    selection->form().configureButton->click();
    // The settings window shows the web photos option ticked.
    if (SettingsWindow* settings = wizard.settingsWindow())
        settings->form().webPhotosCheck->setChecked(true);
    ok = save(wizard.settingsWindow(), outFolder, out) && ok;

    if (SettingsWindow* settings = wizard.settingsWindow())
        settings->form().prepareButton->click();
    if (PreparationWindow* preparation = wizard.preparationWindow()) {
        QListView* list = preparation->form().photoList;
        list->setCurrentIndex(list->model()->index(2, 0));
        // The list's small pictures are decoded in the background and shown as they come.
        QElapsedTimer decoding;
        decoding.start();
        while (decoding.elapsed() < 500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ok = save(wizard.preparationWindow(), outFolder, out) && ok;

    if (PreparationWindow* preparation = wizard.preparationWindow())
        preparation->form().generateButton->click();
    if (GenerationWindow* generation = wizard.generationWindow()) {
        generation->form().redBar->setValue(15);
        generation->form().greenBar->setValue(5);
        generation->form().blueBar->setValue(45);
    }
    ok = save(wizard.generationWindow(), outFolder, out) && ok;

    ok = save(wizard.showAboutBox(), outFolder, out) && ok;
    if (!desktop.shown().isEmpty())
        err << "unexpected message: " << desktop.shown().constFirst().text << '\n';
    return ok ? 0 : 1;
}
