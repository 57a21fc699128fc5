#pragma once

#include <QString>
#include <Qt>
#include <initializer_list>
#include <utility>

class QFrame;
class QLabel;
class QObject;
class QPushButton;
class QWidget;

// Gives each control its object name: the fixed name by which tests, the
// screenshot tool and desktop automation find it. The names stay as they are
// whatever the controls are called in the code.
void setObjectNames(std::initializer_list<std::pair<QObject*, const char*>> controls);

// Tab visits the controls in the order given.
void setTabChain(std::initializer_list<QWidget*> controls);

QLabel* makeLabel(QWidget* parent, const QString& text);
QPushButton* makeButton(QWidget* parent, const QString& caption);
// A decorative line; lines take no focus.
QFrame* makeLine(QWidget* parent, Qt::Orientation orientation);
// A label for headings: larger and bold.
QLabel* makeHeading(QWidget* parent, const QString& text, int pointSizeDelta);
void useHeadingFont(QWidget* control, int pointSizeDelta);
