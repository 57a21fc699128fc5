#pragma once

#include <QPushButton>

class QKeyEvent;
class QWidget;

// A push button that Enter presses while it has the focus, as Space does. The
// windows are no dialogs, so no button is a default that Enter would press elsewhere.
class Button : public QPushButton {
public:
    explicit Button(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Makes a heading of a label: larger and bold, grown from the desktop's font.
void useHeadingFont(QWidget* control, int pointSizeDelta);
