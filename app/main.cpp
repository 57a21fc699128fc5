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
    Wizard wizard(desktop, QDir::toNativeSeparators(QDir::currentPath()),
                  QCoreApplication::applicationDirPath());
    wizard.start();
    return QApplication::exec();
}
