#include "wizard/LabelProgress.h"

#include "wizard/Desktop.h"
#include "wizard/TextBoxText.h"

#include <QLabel>

void LabelProgress::caption(const QString& text, int pauseMs) {
    label_.setText(toBoxText(text));
    label_.repaint();
    desktop_.pause(pauseMs);
}
