#pragma once

#include <QIcon>
#include <QString>

// The program's own icon, drawn at every size the desktop asks for: for every
// window (QApplication::setWindowIcon) and the About box picture.
QIcon applicationIcon();

// The name the desktop knows the program by: its desktop entry is
// applicationId() + ".desktop" and its themed icon is called applicationId().
// Give it to QGuiApplication::setDesktopFileName so that Wayland desktops show
// the entry's name and icon for our windows.
QString applicationId();
