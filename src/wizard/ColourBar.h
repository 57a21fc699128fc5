#pragma once

#include <QScrollBar>

// A bar that chooses one component of the background colour. It stands upright
// with full intensity at the top, so its own value runs the other way round;
// the component is what it is read and set by, and what a screen reader hears.
class ColourBar : public QScrollBar {
    Q_OBJECT
public:
    explicit ColourBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
        setRange(0, 255);
        setSingleStep(1);
        // Page Up and Page Down cross the range in sixteen steps.
        setPageStep(16);
        setMinimumHeight(200);
        // The arrow keys move a bar that has the focus.
        setFocusPolicy(Qt::StrongFocus);
    }

    int component() const { return maximum() - value(); }
    void setComponent(int component) { setValue(maximum() - component); }
};
