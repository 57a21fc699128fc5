#pragma once

#include <QString>
#include <Qt>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// Controls carry their design names as object names, so that tests and the
// windows' own code find them the same way.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption);
// A decorative line; lines take no focus.
QFrame* makeLine(QWidget* parent, const char* name, Qt::Orientation orientation);
// A label for headings: larger and bold.
QLabel* makeHeading(QWidget* parent, const char* name, const QString& text, int pointSizeDelta);
