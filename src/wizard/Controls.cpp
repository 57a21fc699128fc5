#include "wizard/Controls.h"

#include <QKeyEvent>

Button::Button(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
}

void Button::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        click();
    else
        QPushButton::keyPressEvent(event);
}

void useHeadingFont(QWidget* control, int pointSizeDelta) {
    QFont font = control->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + pointSizeDelta);
    control->setFont(font);
}
