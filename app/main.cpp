#include "platform/FolderLock.h"
#include "platform/RealFileOps.h"
#include "wizard/ApplicationIcon.h"
#include "wizard/QtDesktop.h"
#include "wizard/Wizard.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The wizard decides itself when the program ends: its selection window is
    // often only hidden, and the program must not end just because of that.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(applicationIcon());
    QGuiApplication::setDesktopFileName(applicationId());

    QtDesktop desktop;
    RealFileOps disk;
    FolderLocks locks;
    Wizard wizard(desktop,
                  {disk, locks, QDir::toNativeSeparators(QCoreApplication::applicationDirPath())},
                  QDir::toNativeSeparators(QDir::currentPath()));
    wizard.start();
    return QApplication::exec();
}
