// wizard_screenshots PHOTO_FOLDER OUT_FOLDER: walks the wizard over the photos
// in PHOTO_FOLDER and saves a picture of each window as OUT_FOLDER/wizard-<name>.png.
// Message boxes are answered by script, so the run needs no one at the screen.
// The album folder that "Подготовить" creates is made inside PHOTO_FOLDER.

#include "ControlNames.h"
#include "ScriptedDesktop.h"
#include "wizard/AboutBox.h"
#include "wizard/FileList.h"
#include "wizard/FolderList.h"
#include "wizard/GenerationWindow.h"
#include "wizard/PreparationWindow.h"
#include "wizard/SelectionWindow.h"
#include "wizard/SettingsWindow.h"
#include "wizard/Wizard.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
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

template <typename T> T* find(QWidget* window, const char* name) {
    return window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}

void press(QWidget* window, const char* name) {
    if (auto* button = find<QPushButton>(window, name))
        button->click();
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
    Wizard wizard(desktop, parent.absolutePath(), QCoreApplication::applicationDirPath());
    wizard.start();
    SelectionWindow* selection = wizard.selectionWindow();
    find<FolderList>(selection, Selection::folders)->setPath(photos);
    find<FileList>(selection, Selection::files)->setCurrentRow(2);
    auto* name = find<QLineEdit>(selection, Selection::albumName);
    name->setText(QStringLiteral("Летний отпуск"));
    bool ok = save(selection, outFolder, out);

    press(selection, Selection::configure);
    // The settings window shows the web photos option ticked.
    if (auto* webPhotos = find<QCheckBox>(wizard.settingsWindow(), Settings::webPhotos))
        webPhotos->setChecked(true);
    ok = save(wizard.settingsWindow(), outFolder, out) && ok;

    press(wizard.settingsWindow(), Settings::prepare);
    if (auto* list = find<QListWidget>(wizard.preparationWindow(), Preparation::photoList))
        list->setCurrentRow(2);
    ok = save(wizard.preparationWindow(), outFolder, out) && ok;

    press(wizard.preparationWindow(), Preparation::generate);
    if (GenerationWindow* generation = wizard.generationWindow()) {
        find<QScrollBar>(generation, Generation::red)->setValue(15);
        find<QScrollBar>(generation, Generation::green)->setValue(5);
        find<QScrollBar>(generation, Generation::blue)->setValue(45);
    }
    ok = save(wizard.generationWindow(), outFolder, out) && ok;

    ok = save(wizard.showAboutBox(), outFolder, out) && ok;
    if (!desktop.shown().isEmpty())
        err << "unexpected message: " << desktop.shown().constFirst().text << '\n';
    return ok ? 0 : 1;
}
